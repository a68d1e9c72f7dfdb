// The thread's message loop: the program's main loop.
#pragma once

#include <optional>

namespace flickmark::win32 {

// Raw input that may wait in the queue. Each wake-up of the loop and each message taken has a cost of its
// own, which raw input arriving with every move of the mouse would pay many times a second. So once raw
// input comes while canWait() says so, it no longer wakes the loop: at each wake-up readWaiting() takes what
// waited, all at once, before the other messages; when nothing waited (the mouse rests), the loop takes
// every message again as it comes.
class WaitingRawInput {
public:
    virtual bool canWait() const = 0;
    // Whether anything waited.
    virtual bool readWaiting() = 0;

protected:
    ~WaitingRawInput() = default;
};

// Takes and dispatches messages (keys for the open modeless dialogs go to them) while `running` is true.
// Returns the exit code when WM_QUIT ended it; nothing when `running` turned false or the queue failed.
// With `rawInput`, raw input waits while it can until another message wakes the loop (a timer, at the latest
// after a quarter of a second).
std::optional<int> runMessageLoop(const bool& running, WaitingRawInput* rawInput = nullptr);

} // namespace flickmark::win32
