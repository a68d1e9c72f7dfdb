#include "platform/win32/launcher.h"

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <vector>

namespace flickmark {

std::optional<std::string> Win32Launcher::expandEnvironment(const std::string& text) {
    // The call returns the size it needs (with the terminating zero) when the buffer is too small, and 0 on
    // failure. The environment can change between two calls, so the size is asked again until it fits.
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    for (int attempt = 0; attempt < 4 && needed != 0; ++attempt) {
        std::vector<char> buffer(needed + 1, '\0');
        const DWORD written = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), needed);
        if (written == 0)
            return std::nullopt;
        if (written <= needed) // the ANSI call may count more than it wrote: stop at the zero
            return std::string(buffer.data(), strnlen(buffer.data(), needed));
        needed = written;
    }
    return std::nullopt;
}

ProcessStart Win32Launcher::createProcess(const std::string& commandLine, std::uint32_t creationFlags) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr,
                        &startup, &process)) {
        const DWORD error = GetLastError();
        return {false, error != 0 ? static_cast<std::uint32_t>(error) : ERROR_INVALID_FUNCTION};
    }
    const win32::UniqueHandle thread(process.hThread);
    const win32::UniqueHandle started(process.hProcess);
    return {true, 0};
}

std::intptr_t Win32Launcher::shellExecute(WindowId owner, const std::string& file) {
    // The result is an HINSTANCE only for compatibility: a value above 32 means success, others are
    // SE_ERR_* or system error codes. The caller's thread must have initialised COM for some file types.
    const HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), nullptr, file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result);
}

} // namespace flickmark
