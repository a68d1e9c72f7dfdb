// Drives a recognizer wired to fakes through timestamped ticks on virtual time; shared by the unit tests,
// the replay tool and the benchmarks.
//
// Time rule: the pause timer fires at the time it was enabled plus its interval, if it is still enabled then;
// a deadline at or before a tick's time fires before that tick. Nothing fires after the last tick.
#pragma once

#include "base/diagnostic_log.h"
#include "fakes/fake_arrow_popup.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_input.h"
#include "fakes/fake_timer.h"
#include "fakes/recording_gesture_outlet.h"
#include "fakes/recording_scratchpad_trail.h"
#include "fakes/virtual_clock.h"
#include "recognizer/gesture_hand_over_queue.h"
#include "recognizer/recognizer.h"

#include <cstdint>
#include <vector>

namespace flickmark {

class TraceRunner {
public:
    explicit TraceRunner(const RecognizerSettings& settings = {});
    TraceRunner(const TraceRunner&) = delete;
    TraceRunner& operator=(const TraceRunner&) = delete;

    // Hands finished gestures and help requests to `other` from now on instead of the recording `library`
    // (for example a real library working on this runner's clock).
    void useLibrary(GestureOutlet& other) { handOver.setTarget(&other); }
    // Asks `gate` about every press from now on instead of the full-screen rule alone.
    void usePressGate(PressGate& gate) { pressGate.target = &gate; }

    // Advances to `timeMs` and delivers one mouse-timer tick with this button state and cursor.
    void tick(std::int64_t timeMs, bool buttonDown, Point cursor);
    // Advances to the event's time and delivers it, when the recognizer has the events' source running (with
    // precise recognition); the input's button and cursor follow it.
    void event(const MouseEvent& event);
    // An event as the program's message loop hands it over: while no press is read from the events, it waits
    // in the queue until the loop's next wake-up (the input's button and cursor follow it at once).
    void eventThatMayWait(const MouseEvent& event);
    // The loop wakes at `timeMs` (a tick, say): the events that waited are read together, as the program
    // reads them, placed back from where the cursor is now.
    void wake(std::int64_t timeMs, Point cursorNow);
    // Advances to `timeMs` and delivers one tick of the release check with this button state (the cursor
    // stays where the last tick left it: the check does not read it).
    void releaseCheck(std::int64_t timeMs, bool buttonDown);
    // Advances to `timeMs`, firing the pause timer on the way when it comes due.
    void advanceTo(std::int64_t timeMs);

    VirtualClock clock;
    FakeTimer mouseTimer{clock};
    FakeTimer pauseTimer{clock};
    FakeTimer releaseCheckTimer{clock};
    FakeInput input;
    FakeDesktop desktop;
    FakeArrowPopup arrows;
    RecordingScratchpadTrail scratchpad;
    DiagnosticLog log;
    // The full-screen rule alone, unless usePressGate() chose another gate.
    struct SwitchableGate final : PressGate {
        PressRuling rulePress(Point cursor, bool fullScreenInFront) override {
            return target ? target->rulePress(cursor, fullScreenInFront)
                          : fullScreenOnly.rulePress(cursor, fullScreenInFront);
        }
        PressGate* target = nullptr;
        FullScreenOnlyGate fullScreenOnly;
    } pressGate;
    RecordingGestureOutlet library{clock};
    // What the recognizer hands over waits here, as in the program, and goes to `library` (unless
    // useLibrary() chose another) when the timer call that handed it over has returned.
    GestureHandOverQueue handOver{[] { return true; }, &library};
    HandedMouseEvents mouseEvents;
    std::vector<MouseEvent> waitingEvents;
    Recognizer recognizer;

private:
    // Advances to the event's time; the input's button and cursor follow it.
    void happen(const MouseEvent& event);
};

} // namespace flickmark
