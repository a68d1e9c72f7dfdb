#include "platform/win32/win32_file_system.h"

#include "platform/wildcard.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace flickmark {
namespace {

// FindFirstFileA reports failure as INVALID_HANDLE_VALUE and its handle is closed with FindClose.
struct FindHandleTraits {
    using Type = HANDLE;
    static Type invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool valid(Type h) noexcept { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void close(Type h) noexcept { ::FindClose(h); }
};
using UniqueFindHandle = win32::UniqueOwner<FindHandleTraits>;

// Larger files are not data files of this program; refusing them keeps a stray file from exhausting memory.
constexpr std::int64_t kMaxReadSize = std::int64_t{256} * 1024 * 1024;
constexpr DWORD kMaxChunk = DWORD{1} << 30;

bool isNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string folderOf(const std::string& path) {
    const std::size_t delimiter = path.find_last_of("\\/");
    return delimiter == std::string::npos ? std::string(".") : path.substr(0, delimiter + 1);
}

bool writeAll(HANDLE file, std::string_view contents) {
    while (!contents.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), kMaxChunk));
        DWORD written = 0;
        if (!::WriteFile(file, contents.data(), chunk, &written, nullptr) || written == 0)
            return false;
        contents.remove_prefix(written);
    }
    return true;
}

} // namespace

void Win32FileSystem::logFailure(const char* call, const std::string& path, unsigned long error) const {
    if (log_)
        log_->append(std::string(call) + " failed (" + std::to_string(error) + "): " + path);
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    win32::UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        if (!isNotFound(error))
            logFailure("CreateFileA", path, error);
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) {
        logFailure("GetFileSizeEx", path, ::GetLastError());
        return std::nullopt;
    }
    if (size.QuadPart > kMaxReadSize) {
        if (log_)
            log_->append("File too large to read: " + path);
        return std::nullopt;
    }
    std::string contents(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < contents.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, kMaxChunk));
        DWORD read = 0;
        if (!::ReadFile(file.get(), contents.data() + done, chunk, &read, nullptr)) {
            logFailure("ReadFile", path, ::GetLastError());
            return std::nullopt;
        }
        if (read == 0) // the file shrank while being read
            break;
        done += read;
    }
    contents.resize(done);
    return contents;
}

bool Win32FileSystem::fileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::writeFileAtomically(const std::string& path, std::string_view contents) {
    const std::string folder = folderOf(path);
    char tempPath[MAX_PATH + 1] = {};
    // Creates the empty temporary file, so its name cannot be taken by anyone else.
    if (::GetTempFileNameA(folder.c_str(), "fmk", 0, tempPath) == 0) {
        logFailure("GetTempFileNameA", folder, ::GetLastError());
        return false;
    }
    const std::string temporary = tempPath;
    const auto fail = [&](const char* call, const std::string& subject) {
        logFailure(call, subject, ::GetLastError());
        ::DeleteFileA(temporary.c_str());
        return false;
    };
    {
        win32::UniqueHandle temp(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                               TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!temp)
            return fail("CreateFileA", temporary);
        if (!writeAll(temp.get(), contents))
            return fail("WriteFile", temporary);
        if (!::FlushFileBuffers(temp.get()))
            return fail("FlushFileBuffers", temporary);
    }
    if (!::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail("MoveFileExA", path);
    return true;
}

bool Win32FileSystem::removeFile(const std::string& path) {
    if (::DeleteFileA(path.c_str()))
        return true;
    const DWORD error = ::GetLastError();
    if (!isNotFound(error))
        logFailure("DeleteFileA", path, error);
    return false;
}

std::vector<std::string> Win32FileSystem::listFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    const std::string query = folder + std::string(pattern);
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle search(::FindFirstFileA(query.c_str(), &entry));
    if (!search)
        return names;
    do {
        // The search also matches the short 8.3 aliases ("*.ini" finds "a.ini_old" through "A~1.INI"), so
        // the long name is matched again.
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            matchesWildcard(entry.cFileName, pattern))
            names.emplace_back(entry.cFileName);
    } while (::FindNextFileA(search.get(), &entry));
    return names;
}

} // namespace flickmark
