#include "platform/coalescing_timer.h"

#include <utility>

namespace flickmark {

CoalescingTimer::CoalescingTimer(SystemTimer& system, std::function<void()> onTick)
    : system_(system), onTick_(std::move(onTick)) {}

CoalescingTimer::~CoalescingTimer() {
    if (running_)
        system_.stop();
}

void CoalescingTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (enabled_)
        restartRequested_ = true;
    apply();
}

void CoalescingTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        restartRequested_ = true;
    apply();
}

void CoalescingTimer::apply() {
    if (inTick_)
        return; // settled when the tick returns
    if (!enabled_ || interval_ <= 0) {
        if (running_)
            system_.stop();
        running_ = false;
        restartRequested_ = false;
        return;
    }
    if (running_ && !restartRequested_ && runningInterval_ == interval_)
        return;
    running_ = system_.start(interval_);
    runningInterval_ = interval_;
    restartRequested_ = false;
    if (!running_ && onRefused_)
        onRefused_();
}

void CoalescingTimer::settleAfterTick(std::int64_t tickStartMs) {
    inTick_ = false;
    if (restartRequested_ && running_ && runningInterval_ == interval_ &&
        system_.nowMs() - tickStartMs < kRestartToleranceMs)
        restartRequested_ = false;
    apply();
}

void CoalescingTimer::onSystemTick() {
    if (inTick_ || !enabled_)
        return;
    inTick_ = true;
    const std::int64_t tickStartMs = system_.nowMs();
    try {
        onTick_();
    } catch (...) {
        settleAfterTick(tickStartMs);
        throw;
    }
    settleAfterTick(tickStartMs);
}

} // namespace flickmark
