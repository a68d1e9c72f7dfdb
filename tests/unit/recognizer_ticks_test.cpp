// The mouse-timer tick: press and release, timers, the full-screen test, suspension and reset requests; the
// release check between ticks.
#include "recognizer/full_screen_test.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

using Calls = std::vector<std::string>;

TEST(RecognizerTicks, AFreshRecognizerEndsAnEmptyGestureAtItsFirstRelease) {
    TraceRunner run;
    EXPECT_FALSE(run.recognizer.idle());
    run.tick(0, false, {500, 500});
    EXPECT_EQ(run.log.lines(), std::vector<std::string>{"int-------"});
    EXPECT_TRUE(run.library.calls.empty());
    EXPECT_TRUE(run.recognizer.idle());
}

TEST(RecognizerTicks, AFreshRecognizerPressedAtOnceSkipsInitAndTheFullScreenTest) {
    TraceRunner run;
    run.desktop.foreground.rect = Rect{0, 0, 1920, 1080}; // would be full-screen
    run.tick(0, true, {500, 500});
    run.tick(80, true, {500, 460});
    run.tick(160, false, {500, 460});
    EXPECT_EQ(run.desktop.foregroundQueries, 0);
    EXPECT_FALSE(logHasLineStartingWith(run.log, " - Init - "));
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
}

TEST(RecognizerTicks, TimersFollowTheButton) {
    TraceRunner run;
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_EQ(run.mouseTimer.interval(), 80);
    EXPECT_EQ(run.pauseTimer.interval(), 800);
    EXPECT_FALSE(run.pauseTimer.enabled());

    StrokeScript script(run);
    EXPECT_EQ(run.mouseTimer.interval(), 100);
    script.hold({{500, 500}});
    EXPECT_EQ(run.mouseTimer.interval(), 80);
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_EQ(run.mouseTimer.startedAt(), 100); // re-armed at the end of the tick
    script.hold({{500, 470}});
    EXPECT_TRUE(run.pauseTimer.enabled());
    script.release();
    EXPECT_EQ(run.mouseTimer.interval(), 100);
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_FALSE(run.pauseTimer.enabled());
    EXPECT_EQ(run.scratchpad.downs, 2);
    EXPECT_EQ(run.scratchpad.ups, 2);
}

TEST(RecognizerTicks, SettingsTakeEffectAndThePauseTimeFollows) {
    TraceRunner run;
    RecognizerSettings settings;
    settings.helpPause = 1500;
    settings.xPixel = 500; // not clamped
    run.recognizer.applySettings(settings);
    EXPECT_EQ(run.pauseTimer.interval(), 1500);
    EXPECT_EQ(run.recognizer.settings().xPixel, 500);
    run.recognizer.setPauseTime(300);
    EXPECT_EQ(run.pauseTimer.interval(), 300);
    EXPECT_EQ(run.recognizer.settings().helpPause, 300);
    StrokeScript(run).hold({{500, 500}, {540, 500}, {580, 500}}).release();
    EXPECT_TRUE(run.library.calls.empty()); // 80 px right is short of 500
}

TEST(RecognizerTicks, WhileSuspendedNeitherPressesNorReleasesAreNoticed) {
    TraceRunner run;
    StrokeScript script(run);
    script.hold({{500, 500}, {500, 470}});
    run.recognizer.setMonitoringEnabled(false);
    EXPECT_TRUE(run.recognizer.suspended());
    EXPECT_FALSE(run.mouseTimer.enabled());
    const auto linesBefore = run.log.lines();
    script.hold({{530, 470}}).release().hold({{500, 500}, {500, 400}}).release();
    EXPECT_TRUE(run.library.calls.empty());
    EXPECT_EQ(run.log.lines(), linesBefore);
    EXPECT_FALSE(run.mouseTimer.enabled()); // ticks do not re-arm it

    run.recognizer.setMonitoringEnabled(true);
    EXPECT_TRUE(run.mouseTimer.enabled());
    script.release(); // the gesture in progress when monitoring stopped ends now
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
}

TEST(RecognizerTicks, ALibraryThatSuspendsMonitoringKeepsTheTimerOff) {
    TraceRunner run;
    run.library.onCall = [&](const LibraryCall&) { run.recognizer.setMonitoringEnabled(false); };
    StrokeScript(run).hold({{500, 500}, {500, 470}}).release();
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
    EXPECT_FALSE(run.mouseTimer.enabled());
}

TEST(RecognizerTicks, ATickReenteredWhileTheGestureRunsDoesNotRunItAgain) {
    // An action that processes messages can let a further tick in before it returns: the gesture has been
    // handed over, so that tick finds nothing to complete.
    for (const bool diagonals : {false, true}) {
        RecognizerSettings settings;
        settings.enableDiagonals = diagonals;
        TraceRunner run(settings);
        int reentered = 0;
        run.library.onCall = [&](const LibraryCall&) {
            if (reentered++ == 0)
                run.recognizer.onMouseTimer();
        };
        StrokeScript(run).hold({{500, 500}, {500, 470}}).release();
        EXPECT_EQ(run.library.gestures(), Calls{"0"}) << "diagonals " << diagonals;
        EXPECT_EQ(reentered, 1);
        EXPECT_TRUE(run.recognizer.idle());
        EXPECT_TRUE(run.mouseTimer.enabled());
    }
}

TEST(RecognizerTicks, APortThatThrowsEndsOnlyItsTickAndTheNextGestureIsRecognized) {
    struct Failure {};
    const struct {
        const char* what;
        void (*arm)(TraceRunner&);
        bool throwsAtRelease;
    } table[] = {
        {"arrow popup at the first code",
         [](TraceRunner& run) { run.arrows.onShow = [] { throw Failure{}; }; }, false},
        {"library at the hand-over",
         [](TraceRunner& run) { run.library.onCall = [](const LibraryCall&) { throw Failure{}; }; }, true},
    };
    for (const auto& row : table) {
        TraceRunner run;
        StrokeScript script(run);
        row.arm(run);
        if (row.throwsAtRelease) {
            script.hold({{500, 500}, {500, 470}});
            EXPECT_THROW(script.release(), Failure) << row.what;
            EXPECT_TRUE(run.mouseTimer.enabled()) << row.what;
        } else {
            script.hold({{500, 500}});
            EXPECT_THROW(script.hold({{500, 470}}), Failure) << row.what;
            EXPECT_TRUE(run.mouseTimer.enabled()) << row.what;
            // The gesture in progress keeps what it had recorded.
            EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up})) << row.what;
            script.release();
        }

        run.arrows.onShow = nullptr;
        run.library.onCall = nullptr;
        script.hold({{500, 500}, {500, 470}, {530, 470}}).release();
        EXPECT_EQ(run.library.gestures().back(), "03") << row.what;
        EXPECT_TRUE(run.mouseTimer.enabled()) << row.what;
    }
}

TEST(RecognizerTicks, AResetRequestOnlyResetsAndDiscardsTheGestureInProgress) {
    TraceRunner run;
    StrokeScript script(run);
    script.hold({{500, 500}, {500, 470}});
    run.recognizer.requestReset();
    script.hold({{530, 470}}); // this tick only resets
    EXPECT_TRUE(run.recognizer.idle());
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up}));
    EXPECT_EQ(run.log.lines().back(), " - Init - ");
    // Still pressed: recording starts afresh at the next tick.
    script.hold({{530, 470}, {530, 440}}).release();
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up}));

    // A reset after the button went up leaves nothing to hand over.
    TraceRunner released;
    StrokeScript other(released);
    other.hold({{500, 500}, {500, 470}});
    released.recognizer.requestReset();
    other.release().release();
    EXPECT_TRUE(released.library.calls.empty());
}

TEST(RecognizerTicks, AResetRequestIsServedEvenWhileSuspended) {
    TraceRunner run;
    StrokeScript script(run);
    script.hold({{500, 500}, {500, 470}});
    run.recognizer.setMonitoringEnabled(false);
    run.recognizer.requestReset();
    script.release();
    run.recognizer.setMonitoringEnabled(true);
    script.release();
    EXPECT_TRUE(run.library.calls.empty());
}

TEST(ReleaseCheck, AReleaseBetweenTicksCompletesOnceWithTheGestureTheNextTickWouldGive) {
    const std::initializer_list<Point> up{{500, 500}, {500, 470}, {500, 440}};
    const std::initializer_list<Point> upRight{{500, 500}, {500, 470}, {530, 470}, {560, 470}};
    const std::initializer_list<Point> square{{500, 500}, {500, 460}, {540, 460}, {540, 500}, {500, 500}};
    const struct {
        const char* what;
        std::initializer_list<Point> path;
        bool precise;
        bool diagonals;
    } table[] = {
        {"up", up, false, false},
        {"up, right", upRight, false, false},
        {"up, right, down, left", square, false, false},
        {"up, right, down, left, diagonals on", square, false, true},
        {"up, precise", up, true, false},
        {"up, right, down, left, precise", square, true, false},
        {"a click", {{500, 500}}, false, false},
    };
    for (const auto& row : table) {
        RecognizerSettings settings;
        settings.preciseRecognition = row.precise;
        settings.enableDiagonals = row.diagonals;
        TraceRunner byTick(settings);
        StrokeScript(byTick).hold(row.path).release();

        TraceRunner run(settings);
        StrokeScript script(run);
        script.hold(row.path);
        EXPECT_TRUE(run.releaseCheckTimer.enabled()) << row.what;
        EXPECT_EQ(run.releaseCheckTimer.interval(), 10) << row.what;
        const std::int64_t lastTick = script.time() - 80;
        const auto logWhileHeld = run.log.lines();
        run.releaseCheck(lastTick + 10, true); // still held: nothing changes
        EXPECT_EQ(run.log.lines(), logWhileHeld) << row.what;
        EXPECT_TRUE(run.library.calls.empty()) << row.what;

        run.releaseCheck(lastTick + 20, false);
        EXPECT_EQ(run.library.gestures(), byTick.library.gestures()) << row.what;
        EXPECT_EQ(run.log.lines(), byTick.log.lines()) << row.what;
        EXPECT_TRUE(run.recognizer.idle()) << row.what;
        EXPECT_FALSE(run.releaseCheckTimer.enabled()) << row.what;
        EXPECT_EQ(run.mouseTimer.interval(), 100) << row.what;
        EXPECT_EQ(run.mouseTimer.startedAt(), lastTick + 20) << row.what;

        // The tick that would have seen the release, and a check already on its way, find nothing to do.
        run.releaseCheck(lastTick + 30, false);
        script.release();
        EXPECT_EQ(run.library.calls.size(), byTick.library.calls.size()) << row.what;
        EXPECT_EQ(run.log.lines(), byTick.log.lines()) << row.what;
    }
}

TEST(ReleaseCheck, DoesNothingWithoutAGestureInProgress) {
    const struct {
        const char* what;
        void (*arm)(TraceRunner&, StrokeScript&);
        void (*disarm)(TraceRunner&);
        bool stoppedAtOnce; // else the check stops itself when it next comes
        Calls afterwards;   // what the next release tick hands over once the situation has passed
    } table[] = {
        {"before any press", [](TraceRunner&, StrokeScript&) {}, [](TraceRunner&) {}, true, {}},
        {"a press over a full-screen program",
         [](TraceRunner& run, StrokeScript& script) {
             run.desktop.foreground = {"game.exe", Rect{0, 0, 1920, 1080}, ShowState::Normal};
             script.hold({{500, 500}, {500, 460}});
         },
         [](TraceRunner&) {},
         true,
         {}},
        {"monitoring switched off",
         [](TraceRunner& run, StrokeScript& script) {
             script.hold({{500, 500}, {500, 460}});
             run.recognizer.setMonitoringEnabled(false);
         },
         [](TraceRunner& run) { run.recognizer.setMonitoringEnabled(true); },
         true,
         {"0"}},
        {"a nested loop",
         [](TraceRunner& run, StrokeScript& script) {
             script.hold({{500, 500}, {500, 460}});
             run.recognizer.nestedLoopStarted();
         },
         [](TraceRunner& run) { run.recognizer.nestedLoopEnded(); },
         true,
         {"0"}},
        {"a reset requested",
         [](TraceRunner& run, StrokeScript& script) {
             script.hold({{500, 500}, {500, 460}});
             run.recognizer.requestReset();
         },
         [](TraceRunner&) {},
         false,
         {}},
    };
    for (const auto& row : table) {
        TraceRunner run;
        StrokeScript script(run);
        row.arm(run, script);
        EXPECT_EQ(run.releaseCheckTimer.enabled(), !row.stoppedAtOnce) << row.what;
        const auto logBefore = run.log.lines();
        run.releaseCheck(script.time() - 70, false); // a check already on its way
        EXPECT_TRUE(run.library.calls.empty()) << row.what;
        EXPECT_EQ(run.log.lines(), logBefore) << row.what;
        EXPECT_FALSE(run.releaseCheckTimer.enabled()) << row.what;

        row.disarm(run);
        script.release();
        EXPECT_EQ(run.library.gestures(), row.afterwards) << row.what;
    }
}

TEST(FullScreenTest, DecidesFromNameRectanglePlacementAndMonitor) {
    using W = FakeDesktop::Window;
    const Rect full{0, 0, 1920, 1080};
    const struct {
        const char* what;
        W window;
        bool expected;
    } table[] = {
        {"covers the monitor, normal", {"game.exe", full, ShowState::Normal}, true},
        {"larger than the monitor", {"game.exe", Rect{-8, -8, 1928, 1088}, ShowState::Normal}, true},
        {"covers the monitor, minimized", {"game.exe", full, ShowState::Minimized}, true},
        {"maximized", {"game.exe", full, ShowState::Maximized}, false},
        {"placement unreadable counts as maximized", {"game.exe", full, std::nullopt}, false},
        {"rectangle unreadable", {"game.exe", std::nullopt, ShowState::Normal}, true},
        {"one pixel narrower", {"game.exe", Rect{0, 0, 1919, 1080}, ShowState::Normal}, false},
        {"one pixel lower", {"game.exe", Rect{0, 0, 1920, 1079}, ShowState::Normal}, false},
        {"ordinary window", {"game.exe", Rect{100, 100, 900, 700}, ShowState::Normal}, false},
        {"the shell", {"explorer.exe", full, ShowState::Normal}, false},
        {"the shell in capitals", {"EXPLORER.EXE", full, ShowState::Normal}, false},
        {"the shell in mixed case", {"Explorer.EXE", full, ShowState::Normal}, false},
        {"the shell without rectangle", {"explorer.exe", std::nullopt, ShowState::Normal}, false},
        {"not quite the shell", {"explorer.exe2", full, ShowState::Normal}, true},
    };
    for (const auto& row : table) {
        FakeDesktop desktop;
        desktop.foreground = row.window;
        EXPECT_EQ(foregroundIsFullScreen(desktop), row.expected) << row.what;
    }
}

TEST(FullScreenTest, ComparesWithTheMonitorTheWindowMostlyCovers) {
    FakeDesktop desktop;
    desktop.monitorList = {Rect{0, 0, 1920, 1080}, Rect{1920, 0, 3200, 1024}};
    desktop.foreground = {"game.exe", Rect{1920, 0, 3200, 1024}, ShowState::Normal};
    EXPECT_TRUE(foregroundIsFullScreen(desktop));
    desktop.foreground.rect = Rect{0, 0, 1280, 1024}; // the small monitor's size on the large one
    EXPECT_FALSE(foregroundIsFullScreen(desktop));
    desktop.monitorList.clear();
    EXPECT_TRUE(foregroundIsFullScreen(desktop));
}

TEST(FullScreenTest, NoWindowInFrontIsNotFullScreen) {
    FakeDesktop desktop;
    desktop.noForegroundWindow = true;
    EXPECT_FALSE(foregroundIsFullScreen(desktop));
}

TEST(FullScreenTest, APressOverAFullScreenProgramIsIgnoredUntilItLeaves) {
    TraceRunner run;
    run.desktop.foreground = {"game.exe", Rect{0, 0, 1920, 1080}, ShowState::Normal};
    StrokeScript script(run);
    script.hold({{500, 500}, {500, 470}, {530, 470}, {560, 470}});
    EXPECT_EQ(run.desktop.foregroundQueries, 4); // tested again at every tick
    EXPECT_EQ(run.log.lines(), (std::vector<std::string>{" - Init - ", "---------1"}));
    EXPECT_TRUE(run.recognizer.idle());
    EXPECT_TRUE(run.recognizer.codes().empty());
    EXPECT_TRUE(run.arrows.shown.empty());
    EXPECT_FALSE(run.pauseTimer.enabled());
    script.release();
    EXPECT_TRUE(run.library.calls.empty());

    // Once the program has gone from the front, the same press starts counting.
    script.hold({{500, 500}});
    run.desktop.foreground = FakeDesktop::Window{};
    script.hold({{500, 500}, {500, 460}}).release();
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
}

} // namespace
} // namespace flickmark
