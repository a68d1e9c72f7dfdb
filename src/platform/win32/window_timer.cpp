#include "platform/win32/window_timer.h"

#include <algorithm>
#include <utility>

namespace flickmark {
namespace {

// A tick shorter than this leaves the system period in place of a requested restart: the next tick then
// comes at most this much early.
constexpr std::uint64_t kRestartToleranceMs = 10;

} // namespace

WindowTimer::WindowTimer(HWND window, UINT_PTR id, std::function<void()> onTick)
    : window_(window), id_(id), onTick_(std::move(onTick)) {}

WindowTimer::~WindowTimer() {
    if (running_)
        ::KillTimer(window_, id_);
}

void WindowTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (enabled_)
        restartRequested_ = true;
    apply();
}

void WindowTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        restartRequested_ = true;
    apply();
}

void WindowTimer::apply() {
    if (inTick_)
        return; // settled when the tick returns
    if (!enabled_ || interval_ <= 0) {
        if (running_)
            ::KillTimer(window_, id_);
        running_ = false;
        restartRequested_ = false;
        return;
    }
    if (running_ && !restartRequested_ && runningInterval_ == interval_)
        return;
    // SetTimer on an existing id replaces the timer and starts its period anew.
    const UINT elapse = static_cast<UINT>(std::max(interval_, static_cast<int>(USER_TIMER_MINIMUM)));
    running_ = ::SetTimer(window_, id_, elapse, nullptr) != 0;
    runningInterval_ = interval_;
    restartRequested_ = false;
}

void WindowTimer::onTimerMessage() {
    if (inTick_ || !enabled_)
        return;
    inTick_ = true;
    tickStartMs_ = ::GetTickCount64();
    struct SettleOnExit {
        WindowTimer& timer;
        ~SettleOnExit() {
            timer.inTick_ = false;
            // The system period began when this tick fired; for a short tick that is as good as "now".
            if (timer.restartRequested_ && timer.running_ && timer.runningInterval_ == timer.interval_ &&
                ::GetTickCount64() - timer.tickStartMs_ < kRestartToleranceMs)
                timer.restartRequested_ = false;
            timer.apply();
        }
    } settle{*this};
    onTick_();
}

} // namespace flickmark
