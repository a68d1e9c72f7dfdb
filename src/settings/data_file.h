// Whole-file reads and atomic writes of the program's data files, with the diagnostic-log line a failure
// leaves. A refused write keeps the old file; callers keep their in-memory data and carry on.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"
#include "settings/ini_document.h"

#include <string>
#include <string_view>

namespace flickmark {

enum class FileState {
    Missing,
    Read,
    Unreadable, // exists but could not be read (locked, no access); must not be overwritten blindly
};

struct LoadedIniFile {
    IniDocument document; // empty unless the file was read
    FileState state = FileState::Missing;
};

// Logs "Unable to read " + path when the file exists but cannot be read.
LoadedIniFile loadIniFile(FileSystem& files, DiagnosticLog& log, const std::string& path);

// Writes through a temporary file in the same folder. On refusal logs "Unable to write to " + path and
// returns false; the old file is then unchanged.
bool writeDataFile(FileSystem& files, DiagnosticLog& log, const std::string& path, std::string_view contents);

} // namespace flickmark
