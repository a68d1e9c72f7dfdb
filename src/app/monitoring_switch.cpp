#include "app/monitoring_switch.h"

#include "base/virtual_keys.h"

#include <utility>

namespace flickmark {

MonitoringSwitch::MonitoringSwitch(Input& keys, Timer& watch, DiagnosticLog& log,
                                   std::function<void(bool on)> apply)
    : keys_(keys), watch_(watch), log_(log), apply_(std::move(apply)) {}

void MonitoringSwitch::start() {
    started_ = true;
    scrollLockOn_ = keys_.keyToggled(vk::Scroll);
    applied_ = userOn_ && !scrollLockOn_;
    if (!applied_)
        log_.append(scrollLockOn_ ? "Gestures off: Scroll Lock is on" : "Gestures off");
    apply_(applied_);
    watch_.setInterval(kWatchIntervalMs);
    watch_.setEnabled(true);
}

void MonitoringSwitch::stop() {
    started_ = false;
    watch_.setEnabled(false);
}

void MonitoringSwitch::onWatchTimer() {
    if (!started_)
        return;
    scrollLockOn_ = keys_.keyToggled(vk::Scroll);
    update();
}

void MonitoringSwitch::setGesturesOn(bool on) {
    userOn_ = on;
    if (started_)
        update();
}

void MonitoringSwitch::update() {
    const bool on = userOn_ && !scrollLockOn_;
    if (on == applied_)
        return;
    applied_ = on;
    if (on)
        log_.append("Gestures on");
    else if (!userOn_)
        log_.append("Gestures off: switched off in the tray menu");
    else
        log_.append("Gestures off: Scroll Lock is on");
    apply_(on);
}

} // namespace flickmark
