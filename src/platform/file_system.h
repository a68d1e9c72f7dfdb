// File system port: whole-file reads and atomic whole-file writes, so a crash or a full disk never
// leaves a half-written file. Paths are UTF-8 text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The file's bytes; nullopt when it does not exist or cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // A value that changes whenever the file's contents change (its last write time and size); nullopt when
    // the file does not exist or cannot be examined. Cheaper than reading the file.
    virtual std::optional<std::uint64_t> modificationStamp(const std::string& path) = 0;
    // Writes a temporary file in the same folder, then replaces `path` with it. Returns false when any step
    // is refused; the old file is then left as it was.
    virtual bool writeFileAtomically(const std::string& path, std::string_view contents) = 0;
    virtual bool removeFile(const std::string& path) = 0;
    // Makes a folder in an existing one.
    enum class FolderCreation { Created, AlreadyThere, Refused };
    virtual FolderCreation createFolder(const std::string& path) = 0;
    // Names (without folder) of the files, not folders, in `folder` matching a pattern with * and ?,
    // compared ignoring case.
    virtual std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) = 0;
};

} // namespace flickmark
