#include "actions/foreground_handoff.h"

#include <algorithm>
#include <cctype>

namespace flickmark {
namespace {

// The z-order can change while it is walked; a bound keeps a cycle from hanging the UI thread.
constexpr int kMaxWindowsWalked = 100000;
constexpr int kMaxOwnWindowsSkipped = 3;

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

ForegroundHandoff::ForegroundHandoff(DesktopPort& desktop, WindowFocusPort& focus, std::string ownExeName)
    : desktop_(desktop), focus_(focus), ownExeName_(lowerCase(std::move(ownExeName))) {}

WindowId ForegroundHandoff::nextVisibleWindow(WindowId window) {
    WindowId w = window != 0 ? window : desktop_.foregroundWindow();
    for (int walked = 0; w != 0 && walked < kMaxWindowsWalked; ++walked) {
        w = focus_.nextWindow(w);
        if (w != 0 && focus_.isVisible(w))
            return w;
    }
    return 0;
}

bool ForegroundHandoff::attachForegroundInput(WindowId window) {
    if (attached_)
        return true;
    windowThread_ = focus_.windowThread(window);
    ownThread_ = focus_.currentThread();
    // Our thread joins the window thread's input, not the other way round: under Wine the thread named
    // first takes over the input state of the second, and a foreground program attached to ours would
    // lose its focus window, so that keystrokes sent later reach no window.
    attached_ = windowThread_ == ownThread_ || focus_.attachThreadInput(ownThread_, windowThread_, true);
    return attached_;
}

void ForegroundHandoff::detachForegroundInput() {
    if (attached_ && windowThread_ != ownThread_)
        focus_.attachThreadInput(ownThread_, windowThread_, false);
    attached_ = false;
}

bool ForegroundHandoff::isOwnWindow(WindowId window) {
    return window != 0 && lowerCase(desktop_.processNameOfWindow(window)) == ownExeName_;
}

WindowId ForegroundHandoff::targetWindow() {
    WindowId w = desktop_.foregroundWindow();
    for (int i = 0; i < kMaxOwnWindowsSkipped && isOwnWindow(w); ++i)
        w = nextVisibleWindow(w);
    return w;
}

bool ForegroundHandoff::bringToFront(WindowId window) {
    if (window == 0)
        return false;
    if (attached_) // the caller holds an attachment: use it and leave it to the caller
        return focus_.setForeground(window);
    if (!attachForegroundInput(desktop_.foregroundWindow()))
        return focus_.setForeground(window);
    const bool accepted = focus_.setForeground(window);
    detachForegroundInput();
    return accepted;
}

void ForegroundHandoff::focusPreviousWindow() {
    bringToFront(targetWindow());
}

} // namespace flickmark
