// The clock port on Win32: the system tick count and the blocking waits of actions.
#pragma once

#include "platform/clock.h"
#include "platform/nested_loop.h"

namespace flickmark {

class Win32Clock final : public Clock {
public:
    std::int64_t nowMs() override;
    void pause(int milliseconds) override;
    // Dispatches pending messages at least once, then keeps dispatching until the time has passed, as a
    // nested loop of the given NestedLoops (see setNestedLoops). Returns early once the program is ending; a
    // WM_QUIT taken from the queue is posted again so that the main message loop still sees it.
    void waitWithMessages(int milliseconds) override;
    bool programEnding() override { return shuttingDown_; }

    // Marks the program as ending: waits in progress return, later ones return at once.
    void markShuttingDown() noexcept { shuttingDown_ = true; }
    bool shuttingDown() const noexcept { return shuttingDown_; }

    // The nested loops every wait with messages belongs to; null for none.
    void setNestedLoops(NestedLoops* loops) noexcept { loops_ = loops; }

private:
    bool shuttingDown_ = false;
    NestedLoops* loops_ = nullptr;
};

} // namespace flickmark
