#include "settings/data_file.h"

namespace flickmark {

LoadedIniFile loadIniFile(FileSystem& files, DiagnosticLog& log, const std::string& path) {
    LoadedIniFile result;
    if (auto text = files.readFile(path)) {
        result.document = IniDocument(*text);
        result.state = FileState::Read;
    } else if (files.fileExists(path)) {
        log.append("Unable to read " + path);
        result.state = FileState::Unreadable;
    }
    return result;
}

bool writeDataFile(FileSystem& files, DiagnosticLog& log, const std::string& path,
                   std::string_view contents) {
    if (files.writeFileAtomically(path, contents))
        return true;
    log.append("Unable to write to " + path);
    return false;
}

} // namespace flickmark
