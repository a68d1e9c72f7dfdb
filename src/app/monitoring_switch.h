// Whether gestures are recognised: only while the user's "Gestures on" switch is on and Scroll Lock is off.
//
// Scroll Lock is read every 1,300 ms. The recognizer and the tray icon hear of the combined state only when
// it changes, so a watch tick never restarts sampling that an open menu or dialog has paused (the recognizer
// keeps that pause apart from being switched off, and a change made meanwhile takes effect when it ends).
#pragma once

#include "base/diagnostic_log.h"
#include "platform/input.h"
#include "platform/timer.h"

#include <functional>

namespace flickmark {

class MonitoringSwitch {
public:
    static constexpr int kWatchIntervalMs = 1300;

    // `apply` switches the recognizer and the icon picture; it runs at start() and at every change. The
    // references must outlive this object.
    MonitoringSwitch(Input& keys, Timer& watch, DiagnosticLog& log, std::function<void(bool on)> apply);

    // Reads Scroll Lock, applies the state and starts the watch.
    void start();
    // Stops the watch (the program is ending); nothing is applied any more.
    void stop();
    void onWatchTimer();

    // The "Gestures on" menu item.
    void setGesturesOn(bool on);
    bool gesturesOn() const { return userOn_; }
    // Gestures are recognised now (as last applied).
    bool monitoring() const { return applied_; }

private:
    void update();

    Input& keys_;
    Timer& watch_;
    DiagnosticLog& log_;
    std::function<void(bool)> apply_;
    bool userOn_ = true;
    bool scrollLockOn_ = false;
    bool applied_ = true;
    bool started_ = false;
};

} // namespace flickmark
