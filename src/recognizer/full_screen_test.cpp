#include "recognizer/full_screen_test.h"

#include "base/ascii_text.h"

namespace flickmark {

bool foregroundIsFullScreen(Desktop& desktop) {
    const WindowId window = desktop.foregroundWindow();
    // With no window in front (the front program just closed) nothing covers the screen; treating the failed
    // rectangle read as full-screen would ignore every press until some window is activated.
    if (window == 0)
        return false;
    // Windows reports the shell's executable name in whatever case it was started with.
    if (equalsIgnoringAsciiCase(desktop.processNameOfWindow(window), "explorer.exe"))
        return false;
    const auto rect = desktop.windowRect(window);
    if (!rect)
        return true;
    const auto monitor = nearestMonitor(desktop.monitors(), *rect);
    if (!monitor)
        return true;
    bool maximized = true;
    if (const auto state = desktop.showState(window))
        maximized = *state == ShowState::Maximized;
    return rect->height() >= monitor->height() && rect->width() >= monitor->width() && !maximized;
}

} // namespace flickmark
