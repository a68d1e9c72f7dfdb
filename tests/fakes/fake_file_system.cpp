#include "fakes/fake_file_system.h"

#include "platform/wildcard.h"

#include <functional>

namespace flickmark {
namespace {

std::string folderOf(const std::string& path) {
    const std::size_t delimiter = path.find_last_of("\\/");
    return delimiter == std::string::npos ? std::string() : path.substr(0, delimiter + 1);
}

} // namespace

bool FakeFileSystem::refused(const std::string& path) const {
    return refusedFolders_.count(folderOf(path)) > 0;
}

std::optional<std::string> FakeFileSystem::readFile(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end() || unreadable_.count(path) > 0)
        return std::nullopt;
    return found->second;
}

bool FakeFileSystem::fileExists(const std::string& path) {
    return files.count(path) > 0;
}

std::optional<std::uint64_t> FakeFileSystem::modificationStamp(const std::string& path) {
    const auto file = files.find(path);
    if (file == files.end())
        return std::nullopt;
    // The contents stand for the time: a test that edits `files` directly changes the stamp too.
    return std::hash<std::string>{}(file->second);
}

bool FakeFileSystem::writeFileAtomically(const std::string& path, std::string_view contents) {
    if (refused(path) || folders_.count(path) > 0)
        return false;
    files[path] = std::string(contents);
    unreadable_.erase(path);
    ++writeCount;
    return true;
}

bool FakeFileSystem::removeFile(const std::string& path) {
    if (refused(path))
        return false;
    return files.erase(path) > 0;
}

FileSystem::FolderCreation FakeFileSystem::createFolder(const std::string& path) {
    if (folders_.contains(path))
        return FolderCreation::AlreadyThere;
    if (refused(path))
        return FolderCreation::Refused;
    folders_.insert(path);
    return FolderCreation::Created;
}

std::vector<std::string> FakeFileSystem::listFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    for (const auto& [path, contents] : files)
        if (folderOf(path) == folder && matchesWildcard(path.substr(folder.size()), pattern))
            names.push_back(path.substr(folder.size()));
    return names;
}

} // namespace flickmark
