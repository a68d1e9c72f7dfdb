// Drives a recognizer wired to fakes through timestamped ticks on virtual time; shared by the unit tests,
// the replay tool and the benchmarks.
//
// Time rule: the pause timer fires at the time it was enabled plus its interval, if it is still enabled then;
// a deadline at or before a tick's time fires before that tick. Nothing fires after the last tick.
#pragma once

#include "fakes/fake_arrow_popup.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_input.h"
#include "fakes/fake_timer.h"
#include "fakes/recording_gesture_library.h"
#include "fakes/recording_scratchpad_trail.h"
#include "fakes/virtual_clock.h"
#include "recognizer/diagnostic_log.h"
#include "recognizer/recognizer.h"

#include <cstdint>

namespace flickmark {

class TraceRunner {
public:
    // Hands finished gestures to `library`, or to the built-in recording library when it is null.
    explicit TraceRunner(const RecognizerSettings& settings = {}, GestureLibrary* library = nullptr);
    TraceRunner(const TraceRunner&) = delete;
    TraceRunner& operator=(const TraceRunner&) = delete;

    // Advances to `timeMs` and delivers one mouse-timer tick with this button state and cursor.
    void tick(std::int64_t timeMs, bool buttonDown, Point cursor);
    // Advances to `timeMs`, firing the pause timer on the way when it comes due.
    void advanceTo(std::int64_t timeMs);

    VirtualClock clock;
    FakeTimer mouseTimer{clock};
    FakeTimer pauseTimer{clock};
    FakeInput input;
    FakeDesktop desktop;
    FakeArrowPopup arrows;
    RecordingScratchpadTrail scratchpad;
    DiagnosticLog log;
    RecordingGestureLibrary library{clock};
    Recognizer recognizer;
};

} // namespace flickmark
