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

} // namespace flickmark
