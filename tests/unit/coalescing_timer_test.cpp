#include "platform/coalescing_timer.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace flickmark {
namespace {

// Records the system calls as "start 80" / "stop".
class RecordingSystemTimer final : public SystemTimer {
public:
    bool start(int milliseconds) override {
        calls.push_back("start " + std::to_string(milliseconds));
        return acceptStart;
    }
    void stop() override { calls.push_back("stop"); }
    std::int64_t nowMs() override { return now; }

    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    std::int64_t now = 1000;
    bool acceptStart = true;
};

using Calls = std::vector<std::string>;

struct Rig {
    RecordingSystemTimer system;
    std::function<void()> onTick = [] {};
    int ticks = 0;
    CoalescingTimer timer{system, [this] {
                              ++ticks;
                              onTick();
                          }};

    Rig() {
        timer.setInterval(100);
        timer.setEnabled(true);
        system.takeCalls();
    }
};

TEST(CoalescingTimer, OutsideATickEveryChangeTakesEffectAtOnce) {
    RecordingSystemTimer system;
    CoalescingTimer timer(system, [] {});
    timer.setInterval(50); // disabled: nothing to do yet
    EXPECT_EQ(system.takeCalls(), Calls{});
    timer.setEnabled(true);
    EXPECT_EQ(system.takeCalls(), Calls{"start 50"});
    timer.setEnabled(true); // enabling restarts the period
    EXPECT_EQ(system.takeCalls(), Calls{"start 50"});
    timer.setInterval(80);
    EXPECT_EQ(system.takeCalls(), Calls{"start 80"});
    timer.setInterval(80);
    EXPECT_EQ(system.takeCalls(), Calls{});
    timer.setEnabled(false);
    timer.setEnabled(false);
    EXPECT_EQ(system.takeCalls(), Calls{"stop"});
    EXPECT_FALSE(timer.enabled());
    EXPECT_EQ(timer.interval(), 80);
}

TEST(CoalescingTimer, ChangesInsideATickBecomeOneSystemCallAfterIt) {
    const struct {
        const char* name;
        std::function<void(Timer&)> tick;
        Calls during;
        Calls after;
    } table[] = {
        {"idle tick: disable, then enable with the same interval",
         [](Timer& t) {
             t.setInterval(100);
             t.setEnabled(false);
             t.setEnabled(true);
         },
         {},
         {}},
        {"first tick of a press: shorter interval",
         [](Timer& t) {
             t.setInterval(80);
             t.setEnabled(false);
             t.setEnabled(true);
         },
         {},
         {"start 80"}},
        {"disabled and left disabled", [](Timer& t) { t.setEnabled(false); }, {}, {"stop"}},
        {"interval changed there and back: the period of this tick serves",
         [](Timer& t) {
             t.setInterval(80);
             t.setInterval(100);
         },
         {},
         {}},
    };
    for (const auto& row : table) {
        Rig rig;
        Calls during;
        rig.onTick = [&] {
            row.tick(rig.timer);
            during = rig.system.calls;
        };
        rig.timer.onSystemTick();
        EXPECT_EQ(during, row.during) << row.name;
        EXPECT_EQ(rig.system.takeCalls(), row.after) << row.name;
    }
}

TEST(CoalescingTimer, ALongTickRestartsThePeriodFromItsEnd) {
    Rig rig;
    rig.onTick = [&] {
        rig.timer.setEnabled(false);
        rig.system.now += CoalescingTimer::kRestartToleranceMs; // e.g. an action that waited
        rig.timer.setEnabled(true);
    };
    rig.timer.onSystemTick();
    EXPECT_EQ(rig.system.takeCalls(), Calls{"start 100"});
}

TEST(CoalescingTimer, NestedAndStaleTicksAreDropped) {
    Rig rig;
    rig.onTick = [&] {
        rig.timer.setEnabled(false);
        rig.timer.onSystemTick(); // arrives while the tick pumps messages
        rig.timer.setEnabled(true);
    };
    rig.timer.onSystemTick();
    EXPECT_EQ(rig.ticks, 1);

    rig.onTick = [] {};
    rig.timer.setEnabled(false);
    rig.timer.onSystemTick(); // queued before the timer was stopped
    EXPECT_EQ(rig.ticks, 1);
    rig.timer.setEnabled(true);
    rig.timer.onSystemTick();
    EXPECT_EQ(rig.ticks, 2);
}

TEST(CoalescingTimer, ATickThatThrowsStillSettlesItsChanges) {
    Rig rig;
    rig.onTick = [&] {
        rig.timer.setInterval(80);
        throw std::runtime_error("step failed");
    };
    EXPECT_THROW(rig.timer.onSystemTick(), std::runtime_error);
    EXPECT_EQ(rig.system.takeCalls(), Calls{"start 80"});
    rig.onTick = [] {};
    rig.timer.onSystemTick(); // not mistaken for a nested tick
    EXPECT_EQ(rig.ticks, 2);
}

TEST(CoalescingTimer, ARefusedStartIsReportedAndTriedAgainAndARunningTimerStopsWithItsOwner) {
    RecordingSystemTimer system;
    {
        CoalescingTimer timer(system, [] {});
        int refusals = 0;
        timer.setRefusalHandler([&] { ++refusals; });
        system.acceptStart = false;
        timer.setEnabled(true);
        EXPECT_EQ(refusals, 1);
        timer.setEnabled(false); // nothing runs, nothing to stop
        EXPECT_EQ(system.takeCalls(), Calls{"start 100"});
        system.acceptStart = true;
        timer.setEnabled(true);
        EXPECT_EQ(system.takeCalls(), Calls{"start 100"});
        EXPECT_EQ(refusals, 1);
    }
    EXPECT_EQ(system.takeCalls(), Calls{"stop"});
}

} // namespace
} // namespace flickmark
