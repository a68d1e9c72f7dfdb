#include "app/placeholder_window_win.h"

namespace flickmark {

PlaceholderWindow::PlaceholderWindow(const wchar_t* className, const wchar_t* title) {
    win32::WindowClassSpec windowClass;
    windowClass.name = className;
    win32::WindowCreateSpec window;
    window.title = title;
    window.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    window.exStyle = WS_EX_TOOLWINDOW;
    create(windowClass, window);
}

} // namespace flickmark
