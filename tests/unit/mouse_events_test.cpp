// Precise recognition from the mouse's own events: a press read from its button-down to its button-up with
// every move between, the ticks only steering arrows and help; the default recognizer untouched by them.
#include "recognizer/hand_position.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace flickmark {
namespace {

using Calls = std::vector<std::string>;
using EventKind = MouseEvent::Kind;

RecognizerSettings eventSettings(bool precise, bool diagonals = true) {
    RecognizerSettings settings;
    settings.preciseRecognition = precise;
    settings.enableDiagonals = diagonals;
    return settings;
}

// A straight stroke of `length` pixels from `from` at `angle` degrees (0 right, 90 down), drawn in
// `durationMs` with a move every 8 ms, as the events of a press starting at `startMs`.
std::vector<MouseEvent> flick(Point from, int angle, int length, std::int64_t startMs, int durationMs) {
    std::vector<MouseEvent> events{{EventKind::ButtonDown, startMs, from, {}}};
    const double radians = angle * 3.14159265358979 / 180;
    Point last = from;
    for (int t = 8; t < durationMs + 8; t += 8) {
        const double part = std::min(1.0, static_cast<double>(t) / durationMs);
        const Point at{from.x + static_cast<int>(std::lround(std::cos(radians) * length * part)),
                       from.y + static_cast<int>(std::lround(std::sin(radians) * length * part))};
        events.push_back(
            {EventKind::Move, startMs + std::min(t, durationMs), at, {at.x - last.x, at.y - last.y}});
        last = at;
    }
    events.push_back({EventKind::ButtonUp, startMs + durationMs, last, {}});
    return events;
}

// How the events reach the recognizer: each as it comes, not at all, or (as the program's loop does while no
// press is read from them) held in the queue until the next timer wakes the loop, then placed back from
// the cursor.
enum class Delivery { AsTheyCome, None, WaitingOutsideAPress };

// Plays the events together with what the timers would do: a tick every 80 ms from `firstTickMs` and a
// release check every 10 ms, each reading the button and cursor the events left; then ticks after the
// release.
Calls playFlick(TraceRunner& run, const std::vector<MouseEvent>& events, std::int64_t firstTickMs,
                Delivery delivery = Delivery::AsTheyCome) {
    run.tick(0, false, events.front().cursor);
    std::int64_t nextTick = firstTickMs;
    std::int64_t nextCheck = 10;
    bool down = false;
    Point cursor = events.front().cursor;
    const auto timersUntil = [&](std::int64_t until) {
        while (std::min(nextTick, nextCheck) < until) {
            if (nextTick <= nextCheck) {
                run.wake(nextTick, cursor);
                run.tick(nextTick, down, cursor);
                nextTick += 80;
            } else {
                // The release check's timer wakes the loop only while it runs.
                if (run.releaseCheckTimer.enabled())
                    run.wake(nextCheck, cursor);
                run.releaseCheck(nextCheck, down);
                nextCheck += 10;
            }
        }
    };
    for (const MouseEvent& event : events) {
        timersUntil(event.timeMs);
        if (event.kind != EventKind::Move)
            down = event.kind == EventKind::ButtonDown;
        cursor = event.cursor;
        if (delivery == Delivery::AsTheyCome)
            run.event(event);
        else if (delivery == Delivery::WaitingOutsideAPress)
            run.eventThatMayWait(event);
    }
    timersUntil(events.back().timeMs + 400);
    return run.library.gestures();
}

// 120 pixels in each of the eight directions, from 40 to 240 ms, whatever the ticks' phase: the ticks alone
// miss most quick flicks (the button is seen at the next tick, the path before it is lost); the events
// give every one. Without precise recognition the events change nothing.
TEST(MouseEvents, EveryQuickFlickIsReadFromItsEventsAndTheDefaultRecognizerIgnoresThem) {
    const struct {
        int angle;
        const char* gesture;
    } directions[] = {{270, "0"}, {90, "1"},  {180, "2"}, {0, "3"},
                      {315, "4"}, {225, "5"}, {45, "6"},  {135, "7"}};
    for (const auto& direction : directions)
        for (const int duration : {40, 60, 80, 120, 160, 240})
            for (const std::int64_t phase : {20, 57, 99}) {
                const auto events = flick({900, 500}, direction.angle, 120, 100, duration);
                TraceRunner precise(eventSettings(true));
                EXPECT_EQ(playFlick(precise, events, phase), Calls{direction.gesture})
                    << direction.gesture << " in " << duration << " ms, first tick at " << phase;
                TraceRunner waited(eventSettings(true));
                EXPECT_EQ(playFlick(waited, events, phase, Delivery::WaitingOutsideAPress),
                          Calls{direction.gesture})
                    << direction.gesture << " in " << duration << " ms, first tick at " << phase
                    << ", events held until the next tick";
                EXPECT_EQ(waited.log.lines(), precise.log.lines());

                TraceRunner withEvents(eventSettings(false));
                TraceRunner withoutEvents(eventSettings(false));
                EXPECT_EQ(playFlick(withEvents, events, phase),
                          playFlick(withoutEvents, events, phase, Delivery::None));
                EXPECT_EQ(withEvents.log.lines(), withoutEvents.log.lines());
            }
}

TEST(MouseEvents, AStrokeDrawnAgainstTheScreensEdgeIsReadFromTheMousesMovement) {
    // At the right edge of the 1920 x 1080 screen the hand moves right 100 pixels, then down 80: the cursor
    // only goes down. The ticks see a Down alone.
    std::vector<MouseEvent> events{{EventKind::ButtonDown, 100, {1919, 400}, {}}};
    for (int i = 1; i <= 10; ++i)
        events.push_back({EventKind::Move, 100 + 10 * i, {1919, 400}, {10, 0}});
    for (int i = 1; i <= 8; ++i)
        events.push_back({EventKind::Move, 200 + 10 * i, {1919, 400 + 10 * i}, {0, 10}});
    events.push_back({EventKind::ButtonUp, 290, {1919, 480}, {}});

    TraceRunner run(eventSettings(true, false));
    EXPECT_EQ(playFlick(run, events, 20), Calls{"31"});
    TraceRunner ticksOnly(eventSettings(true, false));
    EXPECT_EQ(playFlick(ticksOnly, events, 20, Delivery::None), Calls{"1"});
}

// The pause for help follows the hand: pushing on into the edge, where the cursor rests, is no pause.
TEST(MouseEvents, HelpOpensWhenTheHandRestsNotWhileItPushesIntoTheEdge) {
    const auto press = [](int pushPerMove) {
        // Right to the edge of the 1920 x 1080 screen, then 1.2 s at the edge, the hand pushing on or still.
        std::vector<MouseEvent> events{{EventKind::ButtonDown, 100, {1800, 400}, {}}};
        for (int i = 1; i <= 7; ++i)
            events.push_back({EventKind::Move, 100 + 10 * i, {std::min(1919, 1800 + 20 * i), 400}, {20, 0}});
        for (std::int64_t t = 180; t < 1380; t += 10)
            if (pushPerMove != 0)
                events.push_back({EventKind::Move, t, {1919, 400}, {pushPerMove, 0}});
        events.push_back({EventKind::ButtonUp, 1380, {1919, 400}, {}});
        return events;
    };
    const auto helpCalls = [](const TraceRunner& run) {
        return std::count_if(run.library.calls.begin(), run.library.calls.end(), [](const LibraryCall& call) {
            return call.kind == LibraryCall::Kind::ShowHelp;
        });
    };
    TraceRunner pushing(eventSettings(true, false));
    EXPECT_EQ(playFlick(pushing, press(2), 20), Calls{"3"});
    EXPECT_EQ(helpCalls(pushing), 0) << "the hand went on";
    TraceRunner resting(eventSettings(true, false));
    playFlick(resting, press(0), 20);
    EXPECT_EQ(helpCalls(resting), 1) << "the hand rested on its first stroke";
}

// The button's state may show the release before the last moves' events have been read: the press ends at
// its button-up event, with every move; without that event, at the second tick that finds the button up.
TEST(MouseEvents, APressReadFromEventsEndsAtItsButtonUpEvent) {
    for (const bool upEventComes : {true, false}) {
        TraceRunner run(eventSettings(true, false));
        run.tick(0, false, {500, 400});
        run.event({EventKind::ButtonDown, 50, {500, 400}, {}});
        run.event({EventKind::Move, 60, {510, 400}, {10, 0}});
        run.input.buttonDown = false;
        run.releaseCheck(70, false);
        run.tick(80, false, {510, 400});
        EXPECT_EQ(run.library.gestures(), Calls{}) << "the events of the moves are still on their way";
        run.event({EventKind::Move, 85, {560, 400}, {50, 0}});
        if (upEventComes)
            run.event({EventKind::ButtonUp, 86, {560, 400}, {}});
        run.releaseCheck(90, false);
        run.tick(160, false, {560, 400});
        ASSERT_EQ(run.library.gestures(), Calls{"3"}) << (upEventComes ? "at the event" : "at the next tick");
        EXPECT_EQ(run.library.calls[0].timeMs, upEventComes ? 86 : 160);
    }
}

TEST(MouseEvents, TheHandGoesOnPastAnEdgeOnlyWhereTheCursorStops) {
    const Rect screens[] = {{0, 0, 1920, 1080}, {1920, 0, 3840, 1200}};
    const struct {
        const char* what;
        Point from, cursor, movement, reached;
    } table[] = {
        {"the cursor moves: its own step counts", {500, 500}, {530, 490}, {12, -4}, {530, 490}},
        {"stopped at the right edge", {3839, 500}, {3839, 500}, {25, 0}, {3864, 500}},
        {"stopped at the top edge, sliding left", {900, 0}, {880, 0}, {-20, -15}, {880, -15}},
        {"stopped inside the desktop (a slow hand): nothing", {500, 500}, {500, 500}, {1, 1}, {500, 500}},
        {"at the step between the monitors, where the desktop goes on",
         {1919, 700},
         {1919, 700},
         {6, 0},
         {1919, 700}},
        {"below the shorter monitor's bottom the desktop ends",
         {1000, 1079},
         {1000, 1079},
         {0, 9},
         {1000, 1088}},
        {"a device without movement: the cursor alone", {3839, 500}, {3839, 500}, {0, 0}, {3839, 500}},
    };
    for (const auto& row : table) {
        HandPosition hand;
        hand.start(row.from);
        EXPECT_EQ(hand.move(row.cursor, row.movement, screens), row.reached) << row.what;
    }
}

// A source that cannot start: precise recognition reads the press at its ticks, and says so once.
class RefusingEvents final : public MouseEventSource {
public:
    std::optional<std::string> start(MouseEventSink&) override {
        ++starts;
        return "raw mouse input could not be registered (error 5)";
    }
    void stop() noexcept override {}
    int starts = 0;
};

TEST(MouseEvents, TheSourceRunsOnlyWithPreciseRecognitionAndARefusalFallsBackToTheTicks) {
    TraceRunner run(eventSettings(false));
    EXPECT_FALSE(run.mouseEvents.running()) << "the default recognizer asks for no events";
    run.recognizer.applySettings(eventSettings(true));
    EXPECT_TRUE(run.mouseEvents.running());
    run.recognizer.applySettings(eventSettings(false));
    EXPECT_FALSE(run.mouseEvents.running());

    RefusingEvents refusing;
    TraceRunner fallback(eventSettings(false));
    Recognizer recognizer(RecognizerPorts{fallback.input, fallback.desktop, fallback.mouseTimer,
                                          fallback.pauseTimer, fallback.releaseCheckTimer, fallback.arrows,
                                          fallback.scratchpad, fallback.handOver, fallback.log,
                                          fallback.pressGate, refusing},
                          eventSettings(true));
    recognizer.applySettings(eventSettings(true));
    EXPECT_EQ(refusing.starts, 2) << "asked again when the settings are applied again";
    int notes = 0;
    for (const std::string& line : fallback.log.lines())
        notes += line == "Precise recognition samples the mouse at each tick: raw mouse input could not be "
                         "registered (error 5)";
    EXPECT_EQ(notes, 1);
}

TEST(MouseEvents, APressATickBeganKeepsItsStartAndEventsInsideAMenuAreDropped) {
    TraceRunner run(eventSettings(true, false));
    StrokeScript script(run);
    script.hold({{500, 500}});
    // A late button-down event of the same press: the tick's start stays, and the moves join its path.
    run.event({EventKind::Move, script.time() - 75, {580, 500}, {80, 0}});
    run.event({EventKind::ButtonDown, script.time() - 70, {580, 500}, {}});
    run.event({EventKind::Move, script.time() - 60, {580, 420}, {0, -80}});
    run.event({EventKind::ButtonUp, script.time() - 50, {580, 420}, {}});
    EXPECT_EQ(run.library.gestures(), Calls{"30"});

    run.recognizer.nestedLoopStarted();
    run.event({EventKind::ButtonDown, script.time(), {500, 500}, {}});
    run.event({EventKind::Move, script.time() + 10, {500, 600}, {0, 100}});
    run.event({EventKind::ButtonUp, script.time() + 20, {500, 600}, {}});
    run.recognizer.nestedLoopEnded();
    EXPECT_EQ(run.library.gestures(), Calls{"30"}) << "nothing read inside a menu's loop";

    // The help menu asked for a reset: the next press's button-down carries it out and begins the press,
    // before any tick.
    run.recognizer.requestReset();
    const std::int64_t t = script.time() + 30;
    run.event({EventKind::ButtonDown, t, {700, 500}, {}});
    run.event({EventKind::Move, t + 20, {700, 600}, {0, 100}});
    run.event({EventKind::ButtonUp, t + 40, {700, 600}, {}});
    EXPECT_EQ(run.library.gestures(), (Calls{"30", "1"}));
}

} // namespace
} // namespace flickmark
