// Whole-file reads and atomic writes of the program's INI files, with the diagnostic-log line a failure
// leaves. A refused write keeps the old file; callers keep their in-memory data and carry on.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"

#include <string>

namespace flickmark {

enum class FileState {
    Missing,
    Read,
    Unreadable, // exists but could not be read (locked, no access); must not be overwritten blindly
};

struct LoadedIniFile {
    IniDocument document;  // empty unless the file was read
    FileEncoding encoding; // how to write it back; a missing file is written as 8-bit text
    FileState state = FileState::Missing;
};

// Logs "Unable to read " + path when the file exists but cannot be read.
LoadedIniFile loadIniFile(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                          const std::string& path);

// Writes the document in the given encoding through a temporary file in the same folder. On refusal logs
// "Unable to write to " + path and returns false; the old file is then unchanged.
bool writeIniFile(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                  const std::string& path, const IniDocument& document, const FileEncoding& encoding);

} // namespace flickmark
