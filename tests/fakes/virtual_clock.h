// Virtual time for tests: advances only when told to. Pauses and message waits advance it at once; a test
// can act as the messages that arrive during a wait (onMessages).
#pragma once

#include "platform/clock.h"

#include <cstdint>
#include <functional>

namespace flickmark {

class VirtualClock final : public Clock {
public:
    std::int64_t nowMs() override { return now_; }
    std::int64_t now() const { return now_; }
    void pause(int milliseconds) override { now_ += milliseconds; }
    void waitWithMessages(int milliseconds) override {
        now_ += milliseconds;
        if (onMessages)
            onMessages();
    }
    bool programEnding() override { return ending; }

    void setNow(std::int64_t ms) { now_ = ms; }
    void advance(std::int64_t ms) { now_ += ms; }

    // Runs after each wait with messages, at the time the wait ended.
    std::function<void()> onMessages;
    bool ending = false;

private:
    std::int64_t now_ = 0;
};

} // namespace flickmark
