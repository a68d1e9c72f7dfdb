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
    // True once the program has started to end: a loop of such waits must stop.
    virtual bool programEnding() { return false; }
};

} // namespace flickmark
