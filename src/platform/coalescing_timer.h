// A Timer on top of a system timer that keeps system calls and re-entrance out of the tick:
//
// - A tick never runs inside itself: a system tick that arrives while the callback runs (for example
//   while it pumps messages) is dropped, and so is a tick of a disabled timer that was already queued.
// - Changes made inside the callback take effect when it returns, as one system call at most. A tick
//   that leaves the timer as it found it (disable, then enable with the same interval, as every idle
//   tick of the recognizer does) makes none: the system period that began at this tick serves as the
//   restart, unless the tick ran long.
// - Outside a tick every change takes effect at once.
#pragma once

#include "platform/timer.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace flickmark {

// What a platform offers: one repeating timer.
class SystemTimer {
public:
    virtual ~SystemTimer() = default;
    // Starts the timer, or restarts it with a new period counted from now. False when refused.
    virtual bool start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual std::int64_t nowMs() = 0;
};

class CoalescingTimer final : public Timer {
public:
    // A tick shorter than this leaves the running system period in place of a requested restart, so the
    // next tick comes at most this much early.
    static constexpr std::int64_t kRestartToleranceMs = 10;

    CoalescingTimer(SystemTimer& system, std::function<void()> onTick);
    ~CoalescingTimer() override;
    CoalescingTimer(const CoalescingTimer&) = delete;
    CoalescingTimer& operator=(const CoalescingTimer&) = delete;

    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    // The system timer fired.
    void onSystemTick();

    // Called whenever the system refuses to start the timer. The timer then does not run; the start is tried
    // again at the next change, or at a tick of a system timer that still runs.
    void setRefusalHandler(std::function<void()> onRefused) { onRefused_ = std::move(onRefused); }

private:
    void apply();
    void settleAfterTick(std::int64_t tickStartMs);

    SystemTimer& system_;
    std::function<void()> onTick_;
    std::function<void()> onRefused_;

    // What the owner asked for.
    int interval_ = 100;
    bool enabled_ = false;
    bool restartRequested_ = false;
    // What the system timer does.
    bool running_ = false;
    int runningInterval_ = 0;

    bool inTick_ = false;
};

} // namespace flickmark
