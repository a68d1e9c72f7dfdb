#include "recognizer/full_screen_test.h"

#include "recognizer/ascii_text.h"

namespace flickmark {

bool foregroundIsFullScreen(DesktopPort& desktop) {
    const WindowId window = desktop.foregroundWindow();
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
