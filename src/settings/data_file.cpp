#include "settings/data_file.h"

namespace flickmark {

LoadedIniFile loadIniFile(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                          const std::string& path) {
    LoadedIniFile result;
    if (auto bytes = files.readFile(path)) {
        DecodedIni decoded = decodeIni(*bytes, codePage);
        result.document = std::move(decoded.document);
        result.encoding = std::move(decoded.encoding);
        result.state = FileState::Read;
    } else if (files.fileExists(path)) {
        log.append("Unable to read " + path);
        result.state = FileState::Unreadable;
    }
    return result;
}

bool writeIniFile(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                  const std::string& path, const IniDocument& document, const FileEncoding& encoding) {
    if (files.writeFileAtomically(path, encodeIni(document, encoding, codePage)))
        return true;
    log.append("Unable to write to " + path);
    return false;
}

} // namespace flickmark
