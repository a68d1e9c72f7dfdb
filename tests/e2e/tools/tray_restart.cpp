// Plays the shell's part when it restarts, for the end-to-end tests: the shell forgets every icon, then
// broadcasts "TaskbarCreated".
//
// Usage: tray_restart.exe delete     removes the icon of Flickmark's tray window (id 0), as a restarted
//                                    shell has lost it
//        tray_restart.exe broadcast  posts "TaskbarCreated" to every top-level window
// Exit code 0 when the step was done, 1 when Shell_NotifyIcon refused or the window was not found, 2 on
// bad usage.
#include <windows.h>

#include <shellapi.h> // after windows.h

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* verb = __argc > 1 ? __argv[1] : "";
    if (std::strcmp(verb, "delete") == 0) {
        const HWND tray = FindWindowA("FlickmarkTray", nullptr);
        if (!tray)
            return 1;
        NOTIFYICONDATAA icon{};
        icon.cbSize = sizeof icon;
        icon.hWnd = tray;
        icon.uID = 0;
        return Shell_NotifyIconA(NIM_DELETE, &icon) ? 0 : 1;
    }
    if (std::strcmp(verb, "broadcast") == 0)
        return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0) ? 0 : 1;
    return 2;
}
