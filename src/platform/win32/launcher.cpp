#include "platform/win32/launcher.h"

#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>
#include <vector>

namespace flickmark {

std::optional<std::string> Win32Launcher::expandEnvironment(const std::string& text) {
    // The call returns the size it needs (with the terminating zero) when the buffer is too small, and 0 on
    // failure. The environment can change between two calls, so the size is asked again until it fits.
    const std::wstring wide = win32::widen(text);
    DWORD needed = ::ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    for (int attempt = 0; attempt < 4 && needed != 0; ++attempt) {
        std::vector<wchar_t> buffer(needed + 1, L'\0');
        const DWORD written = ::ExpandEnvironmentStringsW(wide.c_str(), buffer.data(), needed);
        if (written == 0)
            return std::nullopt;
        if (written <= needed) // stop at the zero, whatever the count says
            return win32::narrow(std::wstring_view(buffer.data(), wcsnlen(buffer.data(), needed)));
        needed = written;
    }
    return std::nullopt;
}

ProcessStart Win32Launcher::createProcess(const std::string& commandLine, std::uint32_t creationFlags) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring command = win32::widen(commandLine);
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr,
                          &startup, &process)) {
        const DWORD error = ::GetLastError();
        return {false, error != 0 ? static_cast<std::uint32_t>(error) : ERROR_INVALID_FUNCTION};
    }
    const win32::UniqueHandle thread(process.hThread);
    const win32::UniqueHandle started(process.hProcess);
    return {true, 0};
}

std::intptr_t Win32Launcher::shellExecute(WindowId owner, const std::string& file) {
    // The result is an HINSTANCE only for compatibility: a value above 32 means success, others are
    // SE_ERR_* or system error codes. The caller's thread must have initialised COM for some file types.
    const HINSTANCE result = ::ShellExecuteW(reinterpret_cast<HWND>(owner), nullptr,
                                             win32::widen(file).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result);
}

namespace {

std::optional<std::wstring> readAppPath(HKEY root, const std::wstring& key) {
    DWORD bytes = 0;
    constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ; // an expandable value comes expanded
    if (::RegGetValueW(root, key.c_str(), nullptr, kFlags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> value(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(root, key.c_str(), nullptr, kFlags, nullptr, value.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring path(value.data(), wcsnlen(value.data(), value.size()));
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    if (path.empty())
        return std::nullopt;
    return path;
}

std::wstring systemFolder(UINT (*WINAPI read)(LPWSTR, UINT)) {
    wchar_t folder[MAX_PATH + 1]{};
    const UINT length = read(folder, MAX_PATH);
    return length > 0 && length <= MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

// A folder of PATH counts only when it is absolute: "C:\..." or "\\server\...". A relative one (".", "bin")
// would be the current folder again.
bool isAbsoluteFolder(std::wstring_view folder) {
    return (folder.size() >= 3 && folder[1] == L':' && (folder[2] == L'\\' || folder[2] == L'/')) ||
           folder.starts_with(L"\\\\");
}

} // namespace

std::optional<std::string> Win32Launcher::registeredProgram(const std::string& exeName) {
    const std::wstring key =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + win32::widen(exeName);
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        if (const std::optional<std::wstring> path = readAppPath(root, key))
            return win32::narrow(*path);
    return std::nullopt;
}

std::vector<std::string> Win32Launcher::programFolders() {
    std::vector<std::string> folders;
    for (const std::wstring& folder :
         {systemFolder(::GetSystemDirectoryW), systemFolder(::GetWindowsDirectoryW)})
        if (!folder.empty())
            folders.push_back(win32::narrow(folder));
    const DWORD needed = ::GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (needed == 0)
        return folders;
    std::vector<wchar_t> path(needed + 1, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(L"PATH", path.data(), needed);
    std::wstring_view rest(path.data(), length < needed ? length : 0);
    while (!rest.empty()) {
        const std::size_t end = rest.find(L';');
        std::wstring_view folder = rest.substr(0, end);
        rest = end == std::wstring_view::npos ? std::wstring_view() : rest.substr(end + 1);
        if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
            folder = folder.substr(1, folder.size() - 2);
        if (isAbsoluteFolder(folder))
            folders.push_back(win32::narrow(folder));
    }
    return folders;
}

bool Win32Launcher::isFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(win32::widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace flickmark
