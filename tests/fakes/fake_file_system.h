// An in-memory file system. Paths are plain strings; a file's folder is the text up to its last '\' or '/'
// (delimiter included). Writes into a folder can be refused to test the failure paths.
#pragma once

#include "platform/file_system.h"

#include <map>
#include <set>
#include <string>

namespace flickmark {

// The data folder of the tests that keep files in a FakeFileSystem.
inline const std::string kTestDataFolder = "C:\\Flickmark\\";

class FakeFileSystem final : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::uint64_t> modificationStamp(const std::string& path) override;
    bool writeFileAtomically(const std::string& path, std::string_view contents) override;
    bool removeFile(const std::string& path) override;
    FolderCreation createFolder(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override;

    // Every write and removal in `folder` fails from now on; the files there stay as they are.
    void refuseWritesIn(const std::string& folder) { refusedFolders_.insert(folder); }
    void allowWritesIn(const std::string& folder) { refusedFolders_.erase(folder); }
    // The file exists but reading it fails (a file locked by another program).
    void makeUnreadable(const std::string& path) { unreadable_.insert(path); }
    // A folder entry: exists, but is neither read nor listed as a file.
    void addFolder(const std::string& path) { folders_.insert(path); }

    std::map<std::string, std::string> files;
    int writeCount = 0; // successful writes

private:
    bool refused(const std::string& path) const;

    std::set<std::string> refusedFolders_;
    std::set<std::string> unreadable_;
    std::set<std::string> folders_;
};

} // namespace flickmark
