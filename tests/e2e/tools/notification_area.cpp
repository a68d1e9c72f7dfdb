// Plays the parts of the shell and of another program in the notification area, for the end-to-end tests.
//
// Usage: notification_area.exe delete     removes the icon of Flickmark's tray window (id 0), as a
//                                         restarted shell has lost it
//        notification_area.exe broadcast  posts "TaskbarCreated" to every top-level window, as a restarted
//                                         shell does
//        notification_area.exe hold       shows an icon of its own, prints "holding", and removes it when
//                                         its standard input ends
// Without a window manager, Wine's tray window waits 2 seconds to be withdrawn when its last icon goes; an
// icon held by another program keeps it shown, as a desktop's notification area always is.
// Exit code 0 when the step was done, 10 when the shell refused or a window was missing, 2 on bad usage.
// (Wine itself ends with 1 when it fails to start a program.)
#include <windows.h>

#include <shellapi.h> // after windows.h

#include <cstdio>
#include <cstring>

namespace {

NOTIFYICONDATAA iconOf(HWND window) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 0;
    return icon;
}

int hold() {
    const HWND window = CreateWindowExA(0, "STATIC", "notification area holder", WS_POPUP, 0, 0, 0, 0,
                                        nullptr, nullptr, nullptr, nullptr);
    if (!window)
        return 10;
    NOTIFYICONDATAA icon = iconOf(window);
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconA(nullptr, IDI_INFORMATION);
    std::strcpy(icon.szTip, "holder");
    if (!Shell_NotifyIconA(NIM_ADD, &icon))
        return 10;
    std::puts("holding");
    std::fflush(stdout);
    char buffer[64];
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    }
    Shell_NotifyIconA(NIM_DELETE, &icon);
    DestroyWindow(window);
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* verb = __argc > 1 ? __argv[1] : "";
    if (std::strcmp(verb, "delete") == 0) {
        const HWND tray = FindWindowA("FlickmarkTray", nullptr);
        if (!tray)
            return 10;
        NOTIFYICONDATAA icon = iconOf(tray);
        return Shell_NotifyIconA(NIM_DELETE, &icon) ? 0 : 1;
    }
    if (std::strcmp(verb, "broadcast") == 0)
        return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0) ? 0 : 1;
    if (std::strcmp(verb, "hold") == 0)
        return hold();
    return 2;
}
