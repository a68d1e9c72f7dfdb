// The file system of a data folder the program cannot reach: it holds no file and refuses every write, so
// the program runs on its defaults and no data file is written in place of one it could not read.
#pragma once

#include "platform/file_system.h"

namespace flickmark {

class UnreachableFileSystem final : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string&) override { return std::nullopt; }
    bool fileExists(const std::string&) override { return false; }
    bool writeFileAtomically(const std::string&, std::string_view) override { return false; }
    bool removeFile(const std::string&) override { return false; }
    std::vector<std::string> listFiles(const std::string&, std::string_view) override { return {}; }
};

} // namespace flickmark
