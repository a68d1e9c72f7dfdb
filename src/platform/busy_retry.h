// A step that another program can block for a moment, such as replacing a file that a virus scanner or
// a sync tool holds open: the step is tried again with growing waits until it works, is refused for good,
// or has stayed busy for about a second.
#pragma once

#include "platform/clock.h"

#include <functional>

namespace flickmark {

enum class StepOutcome {
    Done,
    Busy,   // held by someone else for now; may work a moment later
    Failed, // refused for good; trying again would not help
};

struct BusyRetryPolicy {
    int firstWaitMs = 25;     // the wait after the first busy try; every further wait doubles
    int giveUpAfterMs = 1000; // no try starts later than this after the first one
};

// Runs `step` until it is not Busy or the time is up, and returns its last outcome. Waits with
// Clock::pause, which handles no window messages: nothing else can start meanwhile (a second save of the
// same file, for one).
StepOutcome retryWhileBusy(Clock& clock, const std::function<StepOutcome()>& step,
                           const BusyRetryPolicy& policy = {});

} // namespace flickmark
