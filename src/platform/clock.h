// Clock port: monotonic milliseconds and the blocking pauses of actions.
#pragma once

#include <cstdint>

namespace flickmark {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() = 0;
    // Blocks the UI thread without processing messages (keystroke pauses).
    virtual void pause(int milliseconds) = 0;
    // Waits while window messages keep flowing; returns early when the program is ending.
    virtual void waitWithMessages(int milliseconds) = 0;
};

} // namespace flickmark
