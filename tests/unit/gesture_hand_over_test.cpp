// A finished gesture reaches the library from the main loop, after the tick that finished it returned.
#include "fakes/fake_timer_source.h"
#include "recognizer/recognizer_host.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace flickmark {
namespace {

using Calls = std::vector<std::string>;

TEST(GestureHandOver, TheActionRunsAfterTheTickReturnedAndNoTickStartsInsideAnother) {
    TraceRunner run;
    int ticksOnStack = 0;
    int deepest = 0;
    std::vector<int> ticksOnStackAtHandOver;
    std::int64_t time = 0;
    // One turn of the main loop: a timer message, then the call posted meanwhile.
    const auto turn = [&](bool buttonDown, Point cursor) {
        run.clock.setNow(time += 80);
        run.input.buttonDown = buttonDown;
        run.input.cursor = cursor;
        deepest = std::max(deepest, ++ticksOnStack);
        run.recognizer.onMouseTimer();
        --ticksOnStack;
        run.handOver.deliver();
    };
    // The first action processes messages while it runs, as a wait for a window does, and a second gesture is
    // drawn meanwhile: it runs once the first action has returned.
    run.library.onCall = [&](const LibraryCall&) {
        ticksOnStackAtHandOver.push_back(ticksOnStack);
        if (ticksOnStackAtHandOver.size() == 1)
            for (const auto& [down, cursor] :
                 {std::pair{true, Point{500, 500}}, {true, Point{500, 400}}, {false, Point{500, 400}}})
                turn(down, cursor);
    };
    turn(false, {500, 500});
    turn(true, {500, 500});
    turn(true, {600, 500});
    turn(false, {600, 500});

    EXPECT_EQ(run.library.gestures(), (Calls{"3", "0"}));
    EXPECT_EQ(ticksOnStackAtHandOver, (std::vector<int>{0, 0}));
    EXPECT_EQ(deepest, 1);
}

TEST(GestureHandOver, AFailedWakeIsAskedAgainAtTheNextTickAndNothingRunsInsideATick) {
    TraceRunner run;
    std::vector<bool> wakes{false, false, true}; // the system's queue refuses twice
    int asked = 0;
    GestureHandOverQueue queue(
        [&] {
            ++asked;
            const bool woken = wakes.front();
            wakes.erase(wakes.begin());
            return woken;
        },
        &run.library);
    queue.gestureFinished({"03", {270, 0}});
    queue.showHelp(Direction::Up, 0);
    EXPECT_TRUE(run.library.calls.empty()) << "delivered from inside the tick that handed it over";
    EXPECT_EQ(asked, 2) << "asked at each hand-over while not woken";

    queue.retryWake(); // the next tick: woken now
    EXPECT_EQ(asked, 3);
    queue.retryWake(); // a delivery is on its way: not asked again
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(run.library.calls.empty());

    queue.deliver(); // the main loop's turn
    ASSERT_EQ(run.library.calls.size(), 2u);
    EXPECT_EQ(run.library.calls[0].gesture, "03");
    EXPECT_EQ(run.library.calls[0].strokeAngles, (std::vector<int>{270, 0}));
    EXPECT_EQ(run.library.calls[1].firstCode, Direction::Up);
    EXPECT_TRUE(queue.empty());
    queue.retryWake();
    EXPECT_EQ(asked, 3) << "nothing waits: the main loop is not woken";
}

TEST(GestureHandOver, TheHostAsksAgainAtTheNextTickWhenTheMainLoopCouldNotBeWoken) {
    TraceRunner run;
    FakeTimerSource timers(run.clock);
    int refusals = 2; // the system's queue refuses twice: at the hand-over and once the tick has returned
    int wakes = 0;
    GestureHandOverQueue queue(
        [&] {
            ++wakes;
            return refusals-- <= 0;
        },
        &run.library);
    RecognizerHost host(RecognizerHostPorts{run.input, run.desktop, run.arrows, run.scratchpad, queue,
                                            run.log, run.pressGate, timers, run.mouseEvents});
    const auto tick = [&](bool down, Point cursor) {
        run.input.buttonDown = down;
        run.input.cursor = cursor;
        timers.fire("mouse timer");
    };
    tick(false, {500, 500});
    tick(true, {500, 500});
    tick(true, {500, 440});
    tick(false, {500, 440}); // the release: Up is handed over, and the wake refused
    EXPECT_EQ(wakes, 2);
    EXPECT_FALSE(queue.empty());
    EXPECT_TRUE(run.library.calls.empty()) << "nothing runs inside a tick";

    tick(false, {500, 440}); // the next tick asks again, and the main loop is woken
    EXPECT_EQ(wakes, 3);
    EXPECT_TRUE(run.library.calls.empty());
    queue.deliver(); // the main loop's turn
    EXPECT_EQ(run.library.gestures(), (Calls{"0"}));
    tick(false, {500, 440});
    EXPECT_EQ(wakes, 3) << "nothing waits";
}

} // namespace
} // namespace flickmark
