#include "platform/window_order.h"

#include "base/ascii_text.h"

namespace flickmark {
namespace {

// The z-order can change while it is walked; a bound keeps a cycle from hanging the UI thread.
constexpr int kMaxWindowsWalked = 100000;
constexpr int kMaxOwnWindowsSkipped = 3;

} // namespace

WindowId nextVisibleWindow(Desktop& desktop, WindowFocus& focus, WindowId window) {
    WindowId w = window != 0 ? window : desktop.foregroundWindow();
    for (int walked = 0; w != 0 && walked < kMaxWindowsWalked; ++walked) {
        w = focus.nextWindow(w);
        if (w != 0 && focus.isVisible(w))
            return w;
    }
    return 0;
}

WindowId windowBelowOwn(Desktop& desktop, WindowFocus& focus, std::string_view ownExeName) {
    const auto isOwn = [&](WindowId w) {
        return w != 0 && equalsIgnoringAsciiCase(desktop.processNameOfWindow(w), ownExeName);
    };
    WindowId w = desktop.foregroundWindow();
    for (int i = 0; i < kMaxOwnWindowsSkipped && isOwn(w); ++i)
        w = nextVisibleWindow(desktop, focus, w);
    return w;
}

} // namespace flickmark
