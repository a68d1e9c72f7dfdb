// Probe target of the end-to-end tests: an ordinary program window that writes what it receives to a log
// file, one line per event, each line written through at once so the harness can poll the file.
//
// Usage: probe.exe LOGFILE [--fullscreen] [--pos X Y W H] [--menu-delay MS] [--class NAME] [--clip]
//   --fullscreen  a WS_POPUP window covering the whole primary monitor, in the normal (not maximized) state
//   --pos         the window rectangle of the normal window (default 100 100 800 600)
//   --class       the window class's name (default FlickmarkProbe)
//   --clip        confines the cursor to the window while it is active, as a game does
//   --menu-delay  the context menu opens MS milliseconds late (the thread is busy meanwhile), like a program
//                 that builds a large menu
//
// Each line starts with the time in microseconds since the Unix epoch (comparable with `date +%s%6N` on
// the host, since Wine reads the host clock). Events:
//   ready                                      the window is shown and was asked to come to the front
//   activate 1 | activate 0                    WM_ACTIVATE (gained / lost)
//   key down|up vk=0x.. scan=0x.. ext=N ctrl=N shift=N alt=N win=N     WM_KEYDOWN / WM_KEYUP
//   syskey down|up ...                         WM_SYSKEYDOWN / WM_SYSKEYUP, same fields
//   char U+XXXX                                WM_CHAR
//   rbutton down|up x=N y=N, lbutton ...       mouse buttons, client coordinates
//   menu open | menu close | menu command N    the context menu opened on WM_CONTEXTMENU
//   syscommand 0xF030                          WM_SYSCOMMAND (maximize, minimize, restore, close ...)
//   size maximized | minimized | restored      WM_SIZE
//   topmost 1 | topmost 0                      the window became always on top, or stopped being so
//   close                                      WM_CLOSE; the window is then destroyed and the probe ends
#include <windows.h>

#include <shellapi.h> // after windows.h

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kClassName[] = L"FlickmarkProbe";
constexpr wchar_t kTitle[] = L"Flickmark Probe";
constexpr UINT kMenuFirst = 101;
constexpr UINT kMenuSecond = 102;

class LogFile {
public:
    explicit LogFile(const wchar_t* path)
        : handle_(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    LogFile(const LogFile&) = delete;
    LogFile& operator=(const LogFile&) = delete;
    ~LogFile() {
        if (isOpen()) {
            CloseHandle(handle_);
        }
    }
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // One unbuffered WriteFile per line, so a reader never sees a line before it is complete.
    void write(const std::string& event) {
        if (!isOpen()) {
            return;
        }
        const std::string line = std::to_string(microsecondsSinceUnixEpoch()) + " " + event + "\n";
        DWORD written = 0;
        WriteFile(handle_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

private:
    static unsigned long long microsecondsSinceUnixEpoch() {
        FILETIME now{};
        GetSystemTimePreciseAsFileTime(&now);
        const unsigned long long ticks =
            (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
        constexpr unsigned long long kUnixEpochInFileTimeTicks = 116444736000000000ULL;
        return (ticks - kUnixEpochInFileTimeTicks) / 10;
    }

    HANDLE handle_;
};

LogFile* g_log = nullptr;
DWORD g_menuDelayMs = 0;
bool g_clip = false;
bool g_topmost = false; // the window is always on top

void logEvent(const std::string& event) {
    if (g_log != nullptr) {
        g_log->write(event);
    }
}

// Confines the cursor to the window's client area, or frees it.
void clipCursorTo(HWND window, bool clip) {
    if (!clip) {
        ClipCursor(nullptr);
        return;
    }
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (ClipCursor(&client))
        logEvent("clip on");
}

std::string format(const char* pattern, auto... values) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

int pressed(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0 ? 1 : 0;
}

void logKey(const char* kind, WPARAM wParam, LPARAM lParam) {
    const auto vk = static_cast<unsigned>(wParam);
    const auto scan = static_cast<unsigned>((lParam >> 16) & 0xFF);
    const int extended = (lParam & (1 << 24)) != 0 ? 1 : 0;
    const int win = pressed(VK_LWIN) | pressed(VK_RWIN);
    logEvent(format("%s vk=0x%02X scan=0x%02X ext=%d ctrl=%d shift=%d alt=%d win=%d", kind, vk, scan,
                    extended, pressed(VK_CONTROL), pressed(VK_SHIFT), pressed(VK_MENU), win));
}

void logButton(const char* kind, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    logEvent(format("%s x=%d y=%d", kind, x, y));
}

void openContextMenu(HWND window, LPARAM lParam) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) { // opened from the keyboard: use the client area's corner
        at = POINT{10, 10};
        ClientToScreen(window, &at);
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kMenuFirst, L"First item");
    AppendMenuW(menu, MF_STRING, kMenuSecond, L"Second item");
    SetForegroundWindow(window); // else the menu does not close when the user clicks elsewhere
    Sleep(g_menuDelayMs);
    const BOOL command =
        TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, window, nullptr);
    if (command != 0) {
        logEvent(format("menu command %d", command));
    }
    PostMessageW(window, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH background = CreateSolidBrush(RGB(0xE8, 0xEE, 0xF4));
    FillRect(dc, &client, background);
    DeleteObject(background);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0x30, 0x40, 0x50));
    DrawTextW(dc, kTitle, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &ps);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        logKey("key down", wParam, lParam);
        return 0;
    case WM_KEYUP:
        logKey("key up", wParam, lParam);
        return 0;
    case WM_SYSKEYDOWN:
        logKey("syskey down", wParam, lParam);
        break; // keep Alt+F4 and friends working
    case WM_SYSKEYUP:
        logKey("syskey up", wParam, lParam);
        break;
    case WM_CHAR:
        logEvent(format("char U+%04X", static_cast<unsigned>(wParam)));
        return 0;
    case WM_RBUTTONDOWN:
        logButton("rbutton down", lParam);
        break;
    case WM_RBUTTONUP:
        logButton("rbutton up", lParam);
        break; // DefWindowProc turns the release into WM_CONTEXTMENU
    case WM_LBUTTONDOWN:
        logButton("lbutton down", lParam);
        break;
    case WM_LBUTTONUP:
        logButton("lbutton up", lParam);
        break;
    case WM_CONTEXTMENU:
        openContextMenu(window, lParam);
        return 0;
    case WM_ENTERMENULOOP:
        logEvent("menu open");
        break;
    case WM_EXITMENULOOP:
        logEvent("menu close");
        break;
    case WM_ACTIVATE:
        logEvent(LOWORD(wParam) == WA_INACTIVE ? "activate 0" : "activate 1");
        if (g_clip)
            clipCursorTo(window, LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_SYSCOMMAND:
        logEvent(format("syscommand 0x%04X", static_cast<unsigned>(wParam & 0xFFF0)));
        break;
    case WM_SIZE:
        logEvent(wParam == SIZE_MAXIMIZED   ? "size maximized"
                 : wParam == SIZE_MINIMIZED ? "size minimized"
                                            : "size restored");
        break;
    case WM_WINDOWPOSCHANGED: {
        const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        if (topmost != g_topmost) {
            g_topmost = topmost;
            logEvent(topmost ? "topmost 1" : "topmost 0");
        }
        break;
    }
    case WM_CLOSE:
        logEvent("close");
        break; // DefWindowProc destroys the window, and the probe ends as it normally does
    case WM_DESTROY:
        if (g_clip)
            ClipCursor(nullptr);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct Options {
    const wchar_t* logPath = nullptr;
    bool fullscreen = false;
    RECT rect{100, 100, 900, 700};
    DWORD menuDelayMs = 0;
    const wchar_t* className = kClassName;
    bool clip = false;
};

bool parseOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--fullscreen") == 0) {
            options.fullscreen = true;
        } else if (std::wcscmp(argv[i], L"--pos") == 0 && i + 4 < argc) {
            const int x = _wtoi(argv[i + 1]);
            const int y = _wtoi(argv[i + 2]);
            options.rect = RECT{x, y, x + _wtoi(argv[i + 3]), y + _wtoi(argv[i + 4])};
            i += 4;
        } else if (std::wcscmp(argv[i], L"--menu-delay") == 0 && i + 1 < argc) {
            options.menuDelayMs = static_cast<DWORD>(_wtoi(argv[++i]));
        } else if (std::wcscmp(argv[i], L"--class") == 0 && i + 1 < argc) {
            options.className = argv[++i];
        } else if (std::wcscmp(argv[i], L"--clip") == 0) {
            options.clip = true;
        } else if (argv[i][0] != L'-' && options.logPath == nullptr) {
            options.logPath = argv[i];
        } else {
            return false;
        }
    }
    return options.logPath != nullptr;
}

RECT primaryMonitorRect() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcMonitor;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    Options options;
    if (argv == nullptr || !parseOptions(argc, argv, options)) {
        return 2;
    }
    LogFile log(options.logPath);
    if (!log.isOpen()) {
        return 3;
    }
    g_log = &log;
    g_menuDelayMs = options.menuDelayMs;
    g_clip = options.clip;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = options.className;
    RegisterClassExW(&windowClass);

    const RECT rect = options.fullscreen ? primaryMonitorRect() : options.rect;
    const DWORD style = options.fullscreen ? WS_POPUP : WS_OVERLAPPEDWINDOW;
    HWND window =
        CreateWindowExW(0, options.className, kTitle, style, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 4;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    logEvent("ready");

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    LocalFree(argv);
    g_log = nullptr;
    return 0;
}
