// The system's file choosers (open and save) and its folder chooser, each run inside the nested-loop guard.
// Paths are UTF-8 text; nothing means the user cancelled, or the chooser failed, which is logged.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/nested_loop.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace flickmark::win32 {

struct FileChooser {
    HWND owner = nullptr;
    // Pairs of a description and a pattern, each ended by a null character, the list by another one.
    std::wstring_view filter = L"All files (*.*)\0*.*\0\0";
    std::string folder;                 // where the chooser starts; empty for the system's choice
    std::string fileName;               // a save's proposed name
    const wchar_t* extension = nullptr; // added to a typed name without one, e.g. L"ini"
};

std::optional<std::string> chooseFileToOpen(NestedLoops& loops, DiagnosticLog& log,
                                            const FileChooser& chooser);
// Asks before a file is replaced.
std::optional<std::string> chooseFileToSave(NestedLoops& loops, DiagnosticLog& log,
                                            const FileChooser& chooser);
// `title` says what the folder is for.
std::optional<std::string> chooseFolder(NestedLoops& loops, HWND owner, const std::string& title);

} // namespace flickmark::win32
