// A timer on virtual time: records its interval, whether it is enabled and when it was last (re)started.
// It never fires by itself; a test or the trace runner fires it once its deadline has come.
#pragma once

#include "fakes/virtual_clock.h"
#include "platform/timer.h"

#include <algorithm>
#include <cstdint>

namespace flickmark {

class FakeTimer final : public Timer {
public:
    explicit FakeTimer(const VirtualClock& clock) : clock_(clock) {}

    // Like a window timer, a new interval restarts a running timer.
    void setInterval(int milliseconds) override {
        interval_ = milliseconds;
        if (enabled_)
            startedAt_ = clock_.now();
    }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override {
        enabled_ = enabled;
        if (enabled) {
            startedAt_ = clock_.now();
            ++enableCount_;
        }
    }
    bool enabled() const override { return enabled_; }

    // Virtual time of the last enable (or restart, or firing).
    std::int64_t startedAt() const { return startedAt_; }
    int enableCount() const { return enableCount_; }
    // When the next tick is due; a window timer waits at least 1 ms.
    std::int64_t deadline() const { return startedAt_ + std::max(interval_, 1); }
    // The due tick was delivered; a repeating timer starts its next interval.
    void markFired() { startedAt_ = deadline(); }

private:
    const VirtualClock& clock_;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t startedAt_ = 0;
    int enableCount_ = 0;
};

} // namespace flickmark
