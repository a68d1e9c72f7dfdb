// Virtual time for tests: advances only when told to. Pauses and message waits advance it at once.
#pragma once

#include "platform/clock.h"

#include <cstdint>

namespace flickmark {

class VirtualClock final : public Clock {
public:
    std::int64_t nowMs() override { return now_; }
    std::int64_t now() const { return now_; }
    void pause(int milliseconds) override { now_ += milliseconds; }
    void waitWithMessages(int milliseconds) override { now_ += milliseconds; }

    void setNow(std::int64_t ms) { now_ = ms; }

private:
    std::int64_t now_ = 0;
};

} // namespace flickmark
