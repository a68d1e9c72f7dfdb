// The pause trigger: holding the first direction for the pause time asks the library for help.
#include "stroke_script.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

using Kind = LibraryCall::Kind;

// Up is accepted at the tick of time 180; the trigger is due 800 ms later, at 980.
StrokeScript& pressAndGoUp(StrokeScript& script) {
    return script.hold({{500, 500}, {500, 470}});
}

TEST(PauseTrigger, FiresWhenTheFirstDirectionIsHeld) {
    TraceRunner run;
    StrokeScript script(run);
    pressAndGoUp(script);
    EXPECT_EQ(run.pauseTimer.startedAt(), 180);
    script.stay(9); // ticks up to 900
    EXPECT_TRUE(run.library.calls.empty());
    script.stay(2); // 980: the deadline fires before this tick
    ASSERT_EQ(run.library.calls.size(), 1u);
    EXPECT_EQ(run.library.calls[0].kind, Kind::ShowHelp);
    EXPECT_EQ(run.library.calls[0].firstCode, Direction::Up);
    EXPECT_EQ(run.library.calls[0].timeMs, 980);
    EXPECT_FALSE(run.pauseTimer.enabled());
    EXPECT_FALSE(run.arrows.isShowing());
    EXPECT_TRUE(logHasLineStartingWith(run.log, " Pause Trigger "));
    script.stay(20);
    EXPECT_EQ(run.library.calls.size(), 1u); // once per gesture
}

TEST(PauseTrigger, FollowsThePauseTime) {
    TraceRunner run;
    run.recognizer.setPauseTime(250);
    StrokeScript script(run);
    pressAndGoUp(script).stay(3); // 260, 340, 420: due at 430
    EXPECT_TRUE(run.library.calls.empty());
    script.stay(1);
    ASSERT_EQ(run.library.calls.size(), 1u);
    EXPECT_EQ(run.library.calls[0].timeMs, 430);
}

TEST(PauseTrigger, ADeadlineAtTheReleaseTickFiresBeforeTheRelease) {
    TraceRunner run;
    StrokeScript script(run);
    pressAndGoUp(script).stay(9); // last tick at 900
    run.tick(980, false, {500, 470});
    ASSERT_EQ(run.library.calls.size(), 2u);
    EXPECT_EQ(run.library.calls[0].kind, Kind::ShowHelp);
    EXPECT_EQ(run.library.calls[1].kind, Kind::GestureFinished);
    EXPECT_EQ(run.library.calls[1].gesture, "0");

    TraceRunner early;
    StrokeScript other(early);
    pressAndGoUp(other).stay(9);
    early.tick(979, false, {500, 470});
    early.advanceTo(5000);
    EXPECT_EQ(early.library.gestures(), std::vector<std::string>{"0"});
    EXPECT_EQ(early.library.calls.size(), 1u);
}

TEST(PauseTrigger, DoesNotFireOnceTheGestureMovedOnOrPausedItsDirection) {
    const struct {
        const char* what;
        std::vector<Point> path;
    } table[] = {
        {"moved on to Right", {{500, 500}, {500, 470}, {530, 470}}},
        // Back within the minimum distance: a tick without code disarms it, and Up again does not re-arm.
        {"a tick without code", {{500, 500}, {500, 470}, {500, 490}, {500, 460}}},
        {"Right and back to Up", {{500, 500}, {500, 470}, {530, 470}, {530, 430}}},
    };
    for (const auto& row : table) {
        TraceRunner run;
        for (std::size_t i = 0; i < row.path.size(); ++i)
            run.tick(100 + 80 * static_cast<std::int64_t>(i), true, row.path[i]);
        for (int i = 0; i < 30; ++i)
            run.tick(1000 + 80 * i, true, row.path.back());
        for (const auto& call : run.library.calls)
            EXPECT_NE(call.kind, Kind::ShowHelp) << row.what;
        EXPECT_FALSE(run.pauseTimer.enabled()) << row.what;
    }
}

TEST(PauseTrigger, NeverFiresWithTheHelpPopupSwitchedOff) {
    RecognizerSettings settings;
    settings.enableHelpPopup = false;
    TraceRunner run(settings);
    StrokeScript script(run);
    pressAndGoUp(script).stay(30).release();
    EXPECT_EQ(run.pauseTimer.enableCount(), 0);
    EXPECT_EQ(run.library.gestures(), std::vector<std::string>{"0"});
    EXPECT_EQ(run.library.calls.size(), 1u);
}

TEST(PauseTrigger, AHelpMenuThatRequestsAResetLeavesNothingToRunAtRelease) {
    TraceRunner run;
    run.library.onCall = [&](const LibraryCall& call) {
        if (call.kind == Kind::ShowHelp)
            run.recognizer.requestReset();
    };
    StrokeScript script(run);
    pressAndGoUp(script).stay(12).release();
    ASSERT_EQ(run.library.calls.size(), 1u);
    EXPECT_EQ(run.library.calls[0].kind, Kind::ShowHelp);
}

} // namespace
} // namespace flickmark
