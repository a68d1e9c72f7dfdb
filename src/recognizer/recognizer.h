// The gesture recognizer: turns timer ticks (button state and cursor) into direction codes and,
// on release, into a finished gesture handed to the gesture library.
//
// With precise recognition it also reads the mouse's own events while their source runs: the press begins
// at the button-down event, where the button went down, its path is every move, and it ends at the
// button-up event. The ticks still show the arrows and time the pause for help. Without precise
// recognition the events are not asked for, and where the source cannot start the ticks read the press
// (the log says why, once).
//
// Portable: everything it needs of the system comes through the ports given at construction, and it is
// driven entirely by onMouseTimer(), onReleaseCheckTimer() and onPauseTimer(); it never sleeps or reads a
// clock. When a port throws during a tick, the mouse timer is re-armed (unless monitoring is off) before the
// exception leaves the tick, and the gesture in progress keeps its state.
//
// While a nested message loop runs (a menu, a dialog, a wait of the library) the recognizer does not tick:
// its timers are stopped when the outermost loop starts, and the sampling timer runs again when it ends,
// unless monitoring was switched off meanwhile.
#pragma once

#include "base/diagnostic_log.h"
#include "base/direction.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/mouse_events.h"
#include "platform/nested_loop.h"
#include "platform/timer.h"
#include "recognizer/arrow_popup.h"
#include "recognizer/gesture_outlet.h"
#include "recognizer/press_gate.h"
#include "recognizer/recognizer_control.h"
#include "recognizer/recognizer_settings.h"
#include "recognizer/scratchpad_trail.h"

#include <memory>
#include <string>
#include <vector>

namespace flickmark {

struct RecognizerPorts {
    Input& input;
    Desktop& desktop;
    Timer& mouseTimer; // 100 ms while the button is up, 80 ms while it is down
    Timer& pauseTimer; // the pause trigger
    // Runs every 10 ms while a gesture is in progress, between the ticks, and looks only at the button: a
    // release completes the gesture at once instead of at the next tick.
    Timer& releaseCheckTimer;
    ArrowPopup& arrows;
    ScratchpadTrail& scratchpad;
    GestureOutlet& library;
    DiagnosticLog& log;
    PressGate& pressGate;          // decides at the first tick whether the press may become a gesture
    MouseEventSource& mouseEvents; // runs while precise recognition is on
};

// Values shown on the hidden diagnostic window.
struct RecognizerLiveValues {
    int avgX = 0, avgY = 0;
    int accUp = 0, accDown = 0, accLeft = 0, accRight = 0;
    Point anchor;
    Point cursor;
    int smoothedAngle = 0;
    std::string directionText; // "Up", "Down", "Left", "Right", "None" or empty
};

class Recognizer final : public RecognizerControl, public NestedLoopObserver, public MouseEventSink {
public:
    explicit Recognizer(RecognizerPorts ports, const RecognizerSettings& settings = {});
    Recognizer(const Recognizer&) = delete;
    Recognizer& operator=(const Recognizer&) = delete;
    ~Recognizer() override;

    // Timer entry points.
    void onMouseTimer();
    void onPauseTimer();
    // Reads the button alone; when it is up, the gesture in progress completes as at a release tick. That
    // tick classifies no movement, so the gesture is the one the next tick would have completed. A press read
    // from events ends at its button-up event instead (or, should that never come, at the next tick).
    void onReleaseCheckTimer();
    // An event of the mouse's own (see above); dropped at once outside a press and without precise
    // recognition.
    void mouseEvent(const MouseEvent& event) override;
    bool wantsMoves() const override;

    // Operations of other areas.
    void setMonitoringEnabled(bool enabled);
    void requestReset() override;
    bool monitoringEnabled() const override { return !suspended(); }
    void setPauseTime(int milliseconds);
    void applySettings(const RecognizerSettings& settings);
    const RecognizerSettings& settings() const;

    bool idle() const;
    bool suspended() const;
    // Codes, lengths and angles of the last recorded gesture (kept until the next press).
    const std::vector<Direction>& codes() const;
    const std::vector<int>& lengths() const;
    const std::vector<int>& angles() const;
    // Angle recorded for the step at index, 0 when there is none.
    int stepAngle(std::size_t index) const;
    RecognizerLiveValues liveValues() const;
    // The cursor as the last tick of a press read it (ignored presses included).
    Point sampledCursor() const;

    // NestedLoopObserver
    void nestedLoopStarted() override;
    void nestedLoopEnded() noexcept override;

private:
    struct State;
    void pressTick();
    // A sample of the press in progress, or its start: at a tick, or at the button-down event.
    void pressAt(Point cursor, bool atButtonDown);
    void releaseTick();
    // Whether a tick that found the button up leaves the press to its button-up event.
    bool awaitingButtonUpEvent();
    // Events count: their source runs, no nested loop runs and monitoring is on.
    bool takesEvents() const;
    // Runs the mouse events' source while precise recognition is on.
    void followEventSource();
    // Forgets the movement and the gesture in progress; the recognizer becomes idle.
    void init(Point cursor);
    // Carries out a requested reset: as init, with nothing left of the press before it.
    void reset(Point cursor);
    // Around a nested loop: a press in progress whose button is up now ended unseen.
    void noteMissedRelease() noexcept;

    RecognizerPorts ports_;
    std::unique_ptr<State> state_;
};

} // namespace flickmark
