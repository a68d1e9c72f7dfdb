// Base of every window class of the program: registers the window class, creates the window and routes
// its messages to a member function.
//
// The object is bound to its window from WM_NCCREATE to WM_NCDESTROY. No exception ever leaves the
// window procedure: a handler that throws is reported to the debugger output and the message gets the
// default handling.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

struct WindowClassSpec {
    const wchar_t* name = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr; // not owned; a system colour brush (COLOR_x + 1) or a stock object
    UINT style = 0;
};

struct WindowCreateSpec {
    const wchar_t* title = L"";
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND owner = nullptr;
};

class WindowBase {
public:
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }

protected:
    WindowBase() = default;
    // Destroys the window if it still exists. Messages sent during that destruction get the default
    // handling, because the derived part of the object is already gone.
    virtual ~WindowBase();

    // Registers the class on first use and creates the window. Throws Win32Error on failure.
    void create(const WindowClassSpec& windowClass, const WindowCreateSpec& window);
    // A window that only receives messages (posted ones, timers): never shown, not in any window list.
    void createMessageOnly(const wchar_t* className);
    // Destroys the window now (for a derived class that must outlive its window's messages); no effect
    // when it is already gone.
    void destroyWindow() noexcept;

    // Handles one message; the default implementation is DefWindowProcW.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// The module that holds the program's resources and window classes.
HINSTANCE moduleInstance() noexcept;

// Writes a note about an unexpected failure to the debugger output; never throws.
void reportUnexpected(const char* where, const char* what) noexcept;

} // namespace flickmark::win32
