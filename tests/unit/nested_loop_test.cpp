// The recognizer under nested message loops: no tick while one runs, sampling restored when the outermost
// ends (also by an exception), and monitoring switched on or off meanwhile taking effect at the end.
#include "platform/nested_loop.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace flickmark {
namespace {

class NestedLoopTest : public ::testing::Test {
protected:
    NestedLoopTest() { loops.setObserver(&run.recognizer); }

    TraceRunner run;
    NestedLoops loops;
};

TEST_F(NestedLoopTest, NoTickRunsInsideAndSamplingResumesWhenTheOutermostLoopEnds) {
    StrokeScript script(run);
    script.hold({{500, 500}, {500, 470}}); // Up accepted, the pause trigger armed
    ASSERT_TRUE(run.pauseTimer.enabled());
    const auto lines = run.log.lines();
    {
        const NestedLoopGuard outer(loops);
        EXPECT_FALSE(run.mouseTimer.enabled());
        EXPECT_FALSE(run.pauseTimer.enabled());
        {
            const NestedLoopGuard inner(loops);
            EXPECT_EQ(loops.depth(), 2);
        }
        EXPECT_FALSE(run.mouseTimer.enabled()) << "an inner loop's end restores nothing";
        // Ticks already on their way when the loop started do nothing, pressed or released.
        run.tick(400, true, {500, 420});
        run.tick(500, false, {500, 420});
        run.recognizer.onPauseTimer();
    }
    EXPECT_EQ(run.log.lines(), lines);
    EXPECT_TRUE(run.library.calls.empty());
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_FALSE(run.pauseTimer.enabled());
    run.tick(600, false, {500, 420});
    EXPECT_EQ(run.library.gestures(), (std::vector<std::string>{"0"}))
        << "the gesture goes on after the loop";
}

// A press whose release no tick saw before a nested loop (a menu opened by that very click) ends there: a new
// press that comes before the next tick starts a gesture of its own, and is asked about afresh.
TEST_F(NestedLoopTest, APressReleasedAroundALoopEndsBeforeTheNextPressBegins) {
    for (const bool releasedBeforeTheLoop : {true, false}) {
        TraceRunner fresh;
        NestedLoops freshLoops;
        freshLoops.setObserver(&fresh.recognizer);
        StrokeScript script(fresh);
        script.hold({{500, 500}, {500, 470}}); // Up
        if (releasedBeforeTheLoop) {
            fresh.input.buttonDown = false;
            const NestedLoopGuard guard(freshLoops);
        } else {
            const NestedLoopGuard guard(freshLoops);
            fresh.input.buttonDown = false;
        }
        const std::int64_t t = script.time();
        fresh.tick(t, true, {900, 900}); // the next press, far away, before any tick saw the release
        fresh.tick(t + 80, true, {960, 900});
        fresh.tick(t + 160, false, {960, 900});
        EXPECT_EQ(fresh.library.gestures(), (std::vector<std::string>{"0", "3"})) << releasedBeforeTheLoop;
    }
}

TEST_F(NestedLoopTest, ALoopLeftByAnExceptionStillRestoresSampling) {
    EXPECT_THROW(
        {
            const NestedLoopGuard outer(loops);
            const NestedLoopGuard inner(loops);
            throw std::runtime_error("dialog failed");
        },
        std::runtime_error);
    EXPECT_FALSE(loops.active());
    EXPECT_TRUE(run.mouseTimer.enabled());
}

TEST_F(NestedLoopTest, MonitoringSwitchedInsideTheLoopTakesEffectWhenItEnds) {
    struct Row {
        bool enabledBefore;
        bool switchedTo;
    };
    for (const Row row : {Row{true, false}, Row{false, true}, Row{true, true}}) {
        run.recognizer.setMonitoringEnabled(row.enabledBefore);
        {
            const NestedLoopGuard guard(loops);
            run.recognizer.setMonitoringEnabled(row.switchedTo);
            EXPECT_FALSE(run.mouseTimer.enabled()) << "no sampling inside the loop";
            EXPECT_EQ(run.recognizer.monitoringEnabled(), row.switchedTo);
        }
        EXPECT_EQ(run.mouseTimer.enabled(), row.switchedTo) << row.enabledBefore << row.switchedTo;
    }
}

TEST_F(NestedLoopTest, ALoopInsideATickLeavesTheTimerToTheTick) {
    // A tick turns the sampling timer off while it runs and on again when it returns.
    run.mouseTimer.setEnabled(false);
    { const NestedLoopGuard guard(loops); }
    EXPECT_FALSE(run.mouseTimer.enabled());
}

} // namespace
} // namespace flickmark
