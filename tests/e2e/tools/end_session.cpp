// Ends the Windows session for one program, for the end-to-end tests: sends WM_QUERYENDSESSION and then
// WM_ENDSESSION (TRUE, log-off) to its top-level window of class CLASS, as the system does at log-off.
//
// Usage: end_session.exe CLASS
// Prints the answer to WM_QUERYENDSESSION; exit code 0 when both messages were handled, 1 when the window
// was not found or did not answer within 5 seconds, 2 on bad usage.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2)
        return 2;
    const HWND window = FindWindowA(__argv[1], nullptr);
    if (!window)
        return 1;
    constexpr UINT kTimeoutMs = 5000;
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, kTimeoutMs,
                             &agreed))
        return 1;
    std::printf("query %d\n", static_cast<int>(agreed));
    std::fflush(stdout);
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kTimeoutMs,
                             &ignored))
        return 1;
    return 0;
}
