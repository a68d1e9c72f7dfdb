#include "platform/win32/file_chooser.h"

#include "platform/win32/text_convert.h"

#include <commdlg.h> // after windows.h
#include <shlobj.h>

#include <algorithm>
#include <vector>

namespace flickmark::win32 {
namespace {

// Long enough for any path the chooser can return in its classic form.
constexpr DWORD kChosenPathLength = 32768;

std::optional<std::string> runChooser(NestedLoops& loops, DiagnosticLog& log, const FileChooser& chooser,
                                      bool save) {
    std::vector<wchar_t> chosen(kChosenPathLength, L'\0');
    const std::wstring proposed = widen(chooser.fileName);
    proposed.copy(chosen.data(), std::min<std::size_t>(proposed.size(), kChosenPathLength - 1));
    const std::wstring start = widen(chooser.folder);
    const std::wstring filter(chooser.filter);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = chooser.owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = kChosenPathLength;
    dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    dialog.lpstrDefExt = chooser.extension;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_NOCHANGEDIR |
                   OFN_DONTADDTORECENT | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    BOOL picked = FALSE;
    {
        const NestedLoopGuard guard(loops);
        picked = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    }
    if (!picked) {
        if (const DWORD error = ::CommDlgExtendedError())
            log.append(std::string("the file chooser failed (error ") + std::to_string(error) + ")");
        return std::nullopt;
    }
    return narrow(chosen.data());
}

} // namespace

std::optional<std::string> chooseFileToOpen(NestedLoops& loops, DiagnosticLog& log,
                                            const FileChooser& chooser) {
    return runChooser(loops, log, chooser, false);
}

std::optional<std::string> chooseFileToSave(NestedLoops& loops, DiagnosticLog& log,
                                            const FileChooser& chooser) {
    return runChooser(loops, log, chooser, true);
}

std::optional<std::string> chooseFolder(NestedLoops& loops, HWND owner, const std::string& title) {
    const std::wstring caption = widen(title);
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = caption.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE folder = nullptr;
    {
        const NestedLoopGuard guard(loops);
        folder = ::SHBrowseForFolderW(&browse);
    }
    if (!folder)
        return std::nullopt;
    std::vector<wchar_t> path(kChosenPathLength, L'\0');
    const BOOL named = ::SHGetPathFromIDListEx(folder, path.data(), kChosenPathLength, GPFIDL_DEFAULT);
    ::CoTaskMemFree(folder);
    if (!named)
        return std::nullopt;
    return narrow(path.data());
}

} // namespace flickmark::win32
