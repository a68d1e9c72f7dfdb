#include "platform/busy_retry.h"

#include "fakes/virtual_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace flickmark {
namespace {

using enum StepOutcome;

TEST(BusyRetry, TriesAgainOnlyWhileBusyAndGivesUpAfterAboutASecond) {
    const struct {
        const char* name;
        std::vector<StepOutcome> outcomes; // the last one repeats
        int stepCostMs;                    // how long one try takes
        StepOutcome result;
        int tries;
        std::int64_t elapsedMs;
    } table[] = {
        {"done at once", {Done}, 0, Done, 1, 0},
        {"refused for good: no second try", {Failed}, 0, Failed, 1, 0},
        {"released after two busy tries", {Busy, Busy, Done}, 0, Done, 3, 25 + 50},
        {"busy, then refused", {Busy, Failed}, 0, Failed, 2, 25},
        // Waits 25, 50, 100, 200, 400, then the 225 ms left: the last try starts at the limit.
        {"held too long", {Busy}, 0, Busy, 7, 1000},
        {"released just before the last try", {Busy, Busy, Busy, Busy, Busy, Busy, Done}, 0, Done, 7, 1000},
        // The time of the tries counts: 0-400, wait 25, 425-825, wait 50, 875-1275.
        {"slow tries", {Busy}, 400, Busy, 3, 1275},
    };
    for (const auto& row : table) {
        VirtualClock clock;
        clock.setNow(5000);
        int tries = 0;
        const StepOutcome result = retryWhileBusy(clock, [&] {
            clock.pause(row.stepCostMs);
            const std::size_t index = std::min<std::size_t>(tries++, row.outcomes.size() - 1);
            return row.outcomes[index];
        });
        EXPECT_EQ(result, row.result) << row.name;
        EXPECT_EQ(tries, row.tries) << row.name;
        EXPECT_EQ(clock.now() - 5000, row.elapsedMs) << row.name;
    }
}

} // namespace
} // namespace flickmark
