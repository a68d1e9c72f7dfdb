#include "app/main_window_win.h"

#include "app/resource_ids.h"
#include "platform/win32/window_base.h"

#include <utility>

namespace flickmark {

MainWindow::MainWindow(std::function<void()> onEnding) : onEnding_(std::move(onEnding)) {
    const HINSTANCE instance = win32::moduleInstance();
    win32::WindowClassSpec windowClass;
    windowClass.name = kMainWindowClassName;
    windowClass.icon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_FLICKMARK), IMAGE_ICON,
                                                       0, 0, LR_DEFAULTSIZE | LR_SHARED));
    windowClass.smallIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_FLICKMARK),
                                                            IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                            ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    win32::WindowCreateSpec window;
    window.title = kApplicationTitle;
    window.style = WS_OVERLAPPEDWINDOW;
    create(windowClass, window);
}

void MainWindow::end() {
    if (ending_)
        return;
    ending_ = true;
    if (onEnding_)
        onEnding_();
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (onTimer_)
            onTimer_(wParam);
        return 0;
    case WM_CLOSE:
        end();
        ::PostQuitMessage(0);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE; // nothing unsaved that could stop the session from ending
    case WM_ENDSESSION:
        // With wParam TRUE the process is ended once this message returns, and the message loop does not
        // run again: everything that must happen at exit happens here.
        if (wParam)
            end();
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

} // namespace flickmark
