#include "overlays/scratchpad.h"

#include "platform/window_order.h"

#include <algorithm>
#include <utility>

namespace flickmark {
namespace {

// Half of a length, rounded to the even neighbour when it falls between two pixels.
int halfRoundedToEven(int length) {
    const int half = length / 2;
    return length % 2 != 0 && half % 2 != 0 ? half + 1 : half;
}

} // namespace

int scaleForDpi(int logical, int dpi) {
    return (logical * dpi + kDefaultDpi / 2) / kDefaultDpi;
}

Rect scratchpadBounds(const PadScreen& screen, bool open) {
    const Rect& m = screen.monitor;
    const int width = scaleForDpi(open ? kScratchpadWidth : kScratchpadCollapsedWidth, screen.dpi);
    const int height = scaleForDpi(kScratchpadHeight, screen.dpi);
    const int gap = open ? scaleForDpi(kScratchpadOpenGap, screen.dpi) : 0;
    const int left = m.left + m.width() - gap - width;
    const int top = m.top + halfRoundedToEven(m.height()) - halfRoundedToEven(height);
    return Rect{left, top, left + width, top + height};
}

Scratchpad::Scratchpad(ScratchpadPorts ports, std::string ownExeName)
    : ports_(ports), ownExeName_(std::move(ownExeName)) {
    ports_.closeTimer.setInterval(fadeTimeMs_);
    collapse();
}

void Scratchpad::setEnabled(bool enabled) {
    enabled_ = enabled;
    collapse();
    ports_.view.setShown(enabled && !quiet_);
}

void Scratchpad::setQuiet(bool quiet) {
    if (quiet == quiet_)
        return;
    quiet_ = quiet;
    collapse();
    ports_.view.setShown(enabled_ && !quiet_);
}

void Scratchpad::setFadeTime(int milliseconds) {
    fadeTimeMs_ = std::max(milliseconds, kScratchpadMinimumFadeTimeMs);
    ports_.closeTimer.setInterval(fadeTimeMs_);
}

void Scratchpad::buttonDown() {
    if (!pressing_) {
        pressing_ = true;
        pressOnPad_ = open_ && bounds_.contains(ports_.input.cursorPos());
    }
    if (!open_) {
        penUp_ = true;
        return;
    }
    // A press that began elsewhere belongs to the program there: the pad shows nothing of it.
    if (!pressOnPad_ || !penUp_)
        return;
    clearPath();
    strokes_.push_back(Stroke{});
    penUp_ = false;
    addPoint(ports_.input.cursorPos());
}

void Scratchpad::buttonUp() {
    pressing_ = false;
    pressOnPad_ = false;
    if (open_ && !penUp_)
        strokeFinished_ = true;
    penUp_ = true;
}

void Scratchpad::addPoint(Point screenPoint) {
    if (!open_ || penUp_ || strokes_.empty())
        return;
    strokes_.back().push_back(Point{screenPoint.x - bounds_.left, screenPoint.y - bounds_.top});
    ports_.view.pathChanged();
}

void Scratchpad::mouseEntered() {
    if (!enabled_ || quiet_)
        return;
    target_ = findTargetWindow();
    open();
    // After a drawn gesture the pad closes on time, even if the mouse comes back.
    if (!strokeFinished_)
        ports_.closeTimer.setEnabled(false);
}

void Scratchpad::mouseLeft() {
    if (open_)
        ports_.closeTimer.setEnabled(true);
}

void Scratchpad::closeTimerFired() {
    // Never close under a stroke in progress; the timer fires again after the release.
    if (!penUp_)
        return;
    collapse();
}

void Scratchpad::commandChosen() {
    collapse();
}

void Scratchpad::screenChanged() {
    collapse();
}

void Scratchpad::activated() {
    WindowId target = findTargetWindow();
    if (target == 0)
        target = target_;
    if (target == 0)
        return;
    // A background thread may change the foreground only while it shares the foreground thread's input.
    const WindowId foreground = ports_.desktop.foregroundWindow();
    const ThreadId foregroundThread = ports_.focus.windowThread(foreground);
    const ThreadId ownThread = ports_.focus.currentThread();
    const bool attached = foregroundThread != 0 && foregroundThread != ownThread &&
                          ports_.focus.attachThreadInput(ownThread, foregroundThread, true);
    ports_.focus.setForeground(target);
    if (attached)
        ports_.focus.attachThreadInput(ownThread, foregroundThread, false);
}

void Scratchpad::setVisible(bool visible) {
    ports_.view.setShown(visible && enabled_ && !quiet_);
}

WindowId Scratchpad::findTargetWindow() {
    return windowBelowOwn(ports_.desktop, ports_.focus, ownExeName_);
}

bool Scratchpad::holdsCursor(Point screenPoint) const {
    const Rect reach{bounds_.left, bounds_.top, std::max(bounds_.right, monitor_.right), bounds_.bottom};
    return open_ && reach.contains(screenPoint);
}

void Scratchpad::open() {
    open_ = true;
    const PadScreen screen = ports_.view.primaryScreen();
    monitor_ = screen.monitor;
    bounds_ = scratchpadBounds(screen, true);
    ports_.view.place(bounds_, false);
}

// Collapsing always ends what was drawn: the path, and with it the finished stroke's hold on the timer.
void Scratchpad::collapse() {
    ports_.closeTimer.setEnabled(false);
    open_ = false;
    strokeFinished_ = false;
    const PadScreen screen = ports_.view.primaryScreen();
    monitor_ = screen.monitor;
    bounds_ = scratchpadBounds(screen, false);
    ports_.view.place(bounds_, true);
    clearPath();
}

void Scratchpad::clearPath() {
    if (strokes_.empty())
        return;
    strokes_.clear();
    ports_.view.pathChanged();
}

} // namespace flickmark
