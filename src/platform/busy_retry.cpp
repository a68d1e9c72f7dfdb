#include "platform/busy_retry.h"

#include <algorithm>
#include <cstdint>

namespace flickmark {

StepOutcome retryWhileBusy(Clock& clock, const std::function<StepOutcome()>& step,
                           const BusyRetryPolicy& policy) {
    const std::int64_t deadline = clock.nowMs() + std::max(policy.giveUpAfterMs, 0);
    std::int64_t wait = std::max(policy.firstWaitMs, 1);
    for (;;) {
        const StepOutcome outcome = step();
        const std::int64_t left = deadline - clock.nowMs();
        if (outcome != StepOutcome::Busy || left <= 0)
            return outcome;
        clock.pause(static_cast<int>(std::min(wait, left)));
        wait = std::min<std::int64_t>(wait * 2, policy.giveUpAfterMs);
    }
}

} // namespace flickmark
