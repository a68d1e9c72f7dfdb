// A program that only leaves a mark that it ran: it writes its own command line to a file named after its
// own path plus ".started", then ends. The tests plant copies of it where no program may be started from.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size())
        return 1;
    path.resize(length);
    const HANDLE mark = CreateFileW((path + L".started").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark == INVALID_HANDLE_VALUE)
        return 1;
    const char* commandLine = GetCommandLineA();
    DWORD written = 0;
    WriteFile(mark, commandLine, static_cast<DWORD>(std::char_traits<char>::length(commandLine)), &written,
              nullptr);
    CloseHandle(mark);
    return 0;
}
