#include "platform/win32/file_system.h"

#include "platform/busy_retry.h"
#include "platform/wildcard.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace flickmark {
namespace {

// FindFirstFileW reports failure as INVALID_HANDLE_VALUE and its handle is closed with FindClose.
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

// Paths this long reach the file calls in their extended form ("\\?\C:\..."), which has no 260-character
// limit: a save adds a temporary name of 18 characters to its target's, and CreateDirectoryW takes 248 at
// most.
constexpr std::size_t kLongPath = 240;
constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";

// A path as the file calls take it: as given while it is short, else made absolute and extended.
std::wstring fileApiPath(const std::string& path) {
    std::wstring wide = win32::widen(path);
    if (wide.size() < kLongPath || wide.starts_with(kExtendedPrefix))
        return wide;
    const DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return wide;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return wide;
    full.resize(length);
    if (full.starts_with(L"\\\\")) // \\server\share\... -> \\?\UNC\server\share\...
        return std::wstring(kExtendedPrefix) + L"UNC" + full.substr(1);
    return std::wstring(kExtendedPrefix) + full;
}

// The file a path leads to: the target of a symbolic link (or of links among its folders), so that a save
// replaces that file and the link stays a link. The path itself when it leads to no file yet or cannot be
// followed.
std::string followedPath(const std::string& path) {
    const win32::UniqueHandle file(::CreateFileW(fileApiPath(path).c_str(), 0,
                                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return path;
    std::wstring final(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length =
            ::GetFinalPathNameByHandleW(file.get(), final.data(), static_cast<DWORD>(final.size()),
                                        FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0)
            return path;
        if (length < final.size()) {
            final.resize(length);
            break;
        }
        final.assign(length + 1, L'\0');
    }
    if (final.starts_with(L"\\\\?\\UNC\\"))
        final = L"\\" + final.substr(7);
    else if (final.starts_with(kExtendedPrefix))
        final = final.substr(kExtendedPrefix.size());
    const std::wstring given = win32::widen(path);
    // The same path in other letters stays as given; any other name of the file (through a link, its long
    // name for a short one, the share behind a mapped drive) names the same file, which is what is replaced.
    if (::CompareStringOrdinal(final.c_str(), static_cast<int>(final.size()), given.c_str(),
                               static_cast<int>(given.size()), TRUE) == CSTR_EQUAL)
        return path;
    return win32::narrow(final);
}

bool isNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string folderOf(const std::string& path) {
    const std::size_t delimiter = path.find_last_of("\\/");
    return delimiter == std::string::npos ? std::string() : path.substr(0, delimiter + 1);
}

// The temporary file of a save sits beside its target as "<target name>.~fmk<8 hex digits>.tmp". A save
// that is killed before its replace leaves it behind; the next save into the folder removes it. The
// pattern is narrow so that no file of the user's is ever taken for a leftover.
constexpr std::string_view kTemporaryInfix = ".~fmk";
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::string_view kLeftoverPattern = "*.~fmk????????.tmp";
constexpr int kMaxTemporaryNameTries = 64;

std::string eightHexDigits(unsigned long number) {
    char digits[8];
    for (int i = 7; i >= 0; --i, number >>= 4)
        digits[i] = "0123456789abcdef"[number & 0xF];
    return std::string(digits, sizeof digits);
}

unsigned long nextTemporaryNumber() {
    static unsigned long next = (::GetCurrentProcessId() << 16) ^ ::GetTickCount();
    return next++;
}

// Replacing a file that another program holds open is refused with a sharing violation, or with access
// denied when that program did not share deletion (under Wine: always); both pass once it lets go. A
// read-only target or a folder in the way is refused with access denied for good.
StepOutcome replaceOutcome(DWORD error, const std::string& target) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return StepOutcome::Busy;
    if (error != ERROR_ACCESS_DENIED)
        return StepOutcome::Failed;
    const DWORD attributes = ::GetFileAttributesW(fileApiPath(target).c_str());
    const bool lasting = attributes != INVALID_FILE_ATTRIBUTES &&
                         (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0;
    return lasting ? StepOutcome::Failed : StepOutcome::Busy;
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
    win32::UniqueHandle file(::CreateFileW(fileApiPath(path).c_str(), GENERIC_READ,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = ::GetLastError();
        if (!isNotFound(error))
            logFailure("CreateFileW", path, error);
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
    const DWORD attributes = ::GetFileAttributesW(fileApiPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::uint64_t> Win32FileSystem::modificationStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(fileApiPath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    const std::uint64_t written = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                  data.ftLastWriteTime.dwLowDateTime;
    // The size joins in, so a rewrite within the clock's resolution that changes the length still counts.
    return written ^ (static_cast<std::uint64_t>(data.nFileSizeLow) << 1) ^
           (static_cast<std::uint64_t>(data.nFileSizeHigh) << 33);
}

win32::UniqueHandle Win32FileSystem::createTemporaryFile(const std::string& target, std::string& name) {
    // Shared for everything, so the replace can open it while it is held; held, so that the clean-up of
    // another save cannot take it for a leftover.
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    for (int attempt = 0; attempt < kMaxTemporaryNameTries; ++attempt) {
        name = target + std::string(kTemporaryInfix) + eightHexDigits(nextTemporaryNumber()) +
               std::string(kTemporarySuffix);
        win32::UniqueHandle file(::CreateFileW(fileApiPath(name).c_str(), GENERIC_WRITE, kShareAll, nullptr,
                                               CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file)
            return file;
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            logFailure("CreateFileW", name, error);
            return {};
        }
    }
    logFailure("CreateFileW", name, ERROR_FILE_EXISTS);
    return {};
}

void Win32FileSystem::removeSaveLeftovers(const std::string& folder) {
    for (const std::string& name : listFiles(folder, kLeftoverPattern)) {
        // The exclusive open fails while a save in progress holds the file; closing deletes it.
        win32::UniqueHandle leftover(::CreateFileW(fileApiPath(folder + name).c_str(), DELETE, 0, nullptr,
                                                   OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    }
}

bool Win32FileSystem::writeFileAtomically(const std::string& givenPath, std::string_view contents) {
    const std::string path = followedPath(givenPath);
    removeSaveLeftovers(folderOf(path));
    std::string temporary;
    win32::UniqueHandle temp = createTemporaryFile(path, temporary);
    if (!temp)
        return false;
    const auto fail = [&](const char* call, const std::string& subject, DWORD error) {
        logFailure(call, subject, error);
        temp.reset();
        ::DeleteFileW(fileApiPath(temporary).c_str());
        return false;
    };
    if (!writeAll(temp.get(), contents))
        return fail("WriteFile", temporary, ::GetLastError());
    if (!::FlushFileBuffers(temp.get()))
        return fail("FlushFileBuffers", temporary, ::GetLastError());
    DWORD error = ERROR_SUCCESS;
    const std::wstring wideTemporary = fileApiPath(temporary);
    const std::wstring widePath = fileApiPath(path);
    const StepOutcome replaced = retryWhileBusy(clock_, [&] {
        if (::MoveFileExW(wideTemporary.c_str(), widePath.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return StepOutcome::Done;
        error = ::GetLastError();
        return replaceOutcome(error, path);
    });
    if (replaced != StepOutcome::Done)
        return fail("MoveFileExW", path, error);
    return true;
}

bool Win32FileSystem::removeFile(const std::string& path) {
    if (::DeleteFileW(fileApiPath(path).c_str()))
        return true;
    const DWORD error = ::GetLastError();
    if (!isNotFound(error))
        logFailure("DeleteFileW", path, error);
    return false;
}

FileSystem::FolderCreation Win32FileSystem::createFolder(const std::string& path) {
    if (::CreateDirectoryW(fileApiPath(path).c_str(), nullptr))
        return FolderCreation::Created;
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS)
        return FolderCreation::AlreadyThere;
    logFailure("CreateDirectoryW", path, error);
    return FolderCreation::Refused;
}

std::vector<std::string> Win32FileSystem::listFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    const std::wstring query = fileApiPath(folder + std::string(pattern));
    WIN32_FIND_DATAW entry{};
    UniqueFindHandle search(::FindFirstFileW(query.c_str(), &entry));
    if (!search)
        return names;
    do {
        // The search also matches the short 8.3 aliases ("*.ini" finds "a.ini_old" through "A~1.INI"), so
        // the long name is matched again.
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        std::string name = win32::narrow(entry.cFileName);
        if (matchesWildcard(name, pattern))
            names.push_back(std::move(name));
    } while (::FindNextFileW(search.get(), &entry));
    return names;
}

} // namespace flickmark
