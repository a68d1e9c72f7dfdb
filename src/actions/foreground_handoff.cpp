#include "actions/foreground_handoff.h"

#include "platform/window_order.h"

#include <utility>

namespace flickmark {

ForegroundHandoff::ForegroundHandoff(Desktop& desktop, WindowFocus& focus, std::string ownExeName)
    : desktop_(desktop), focus_(focus), ownExeName_(std::move(ownExeName)) {}

WindowId ForegroundHandoff::nextVisibleWindow(WindowId window) {
    return flickmark::nextVisibleWindow(desktop_, focus_, window);
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

WindowId ForegroundHandoff::targetWindow() {
    return windowBelowOwn(desktop_, focus_, ownExeName_);
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
