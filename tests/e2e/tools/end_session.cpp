// Ends the Windows session for one program, for the end-to-end tests: sends WM_QUERYENDSESSION and then
// WM_ENDSESSION (TRUE, log-off) to its top-level window of class CLASS, as the system does at log-off.
//
// Usage: end_session.exe CLASS
// Prints the answer to WM_QUERYENDSESSION; exit code 0 when both messages were handled, 10 when the window
// was not found (nothing was sent), 12 when it did not answer within 5 seconds, 2 on bad usage. (Wine itself
// ends with 1 when it fails to start a program, so 1 never comes from here.)
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2)
        return 2;
    const HWND window = FindWindowA(__argv[1], nullptr);
    if (!window)
        return 10;
    constexpr UINT kTimeoutMs = 5000;
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, kTimeoutMs,
                             &agreed))
        return 12;
    std::printf("query %d\n", static_cast<int>(agreed));
    std::fflush(stdout);
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kTimeoutMs,
                             &ignored))
        return 12;
    return 0;
}
