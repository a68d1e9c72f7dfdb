#include "recognizer/recognizer.h"

#include "recognizer/classifier.h"
#include "recognizer/full_screen_test.h"
#include "recognizer/gesture_assembly.h"
#include "recognizer/hand_position.h"

#include <algorithm>
#include <utility>

namespace flickmark {
namespace {

constexpr int kPressInterval = 80;        // ms between ticks while the button is down
constexpr int kReleaseInterval = 100;     // ms between ticks while it is up
constexpr int kReleaseCheckInterval = 10; // ms between looks at the button while a gesture is in progress

// Far beyond any screen, yet leaves room for the offsets added to the cursor (the arrow's place) whatever the
// input port reports; differences of two coordinates are taken in a wider type.
constexpr int kCoordinateLimit = 1 << 30;

Point clampToScreenRange(Point p) {
    return {std::clamp(p.x, -kCoordinateLimit, kCoordinateLimit),
            std::clamp(p.y, -kCoordinateLimit, kCoordinateLimit)};
}

// Where the hand is at a tick that read `cursor`: beyond it by what the hand pushed on at an edge.
Point handAt(Point cursor, const HandPosition& hand) {
    const Point beyond = hand.beyondCursor();
    return clampToScreenRange({cursor.x + beyond.x, cursor.y + beyond.y});
}

} // namespace

struct Recognizer::State {
    State(RecognizerPorts& ports, const RecognizerSettings& initial)
        : settings(initial), classifier(settings, ports.desktop, ports.log),
          assembly(settings, classifier,
                   AssemblyPorts{ports.arrows, ports.scratchpad, ports.pauseTimer, ports.library, ports.log,
                                 ports.desktop}) {}

    RecognizerSettings settings;
    DirectionClassifier classifier;
    GestureAssembly assembly;
    bool idle = false; // a fresh recognizer treats its first release as the end of a (empty) gesture
    bool resetRequested = false;
    bool suspended = false;
    bool ignorePress = false; // a full-screen program in front: asked again at the next tick
    bool leftAlone = false;   // the press gate left this press to the program, until the release
    bool inNestedLoop = false;
    bool resumeAfterLoop = false; // the sampling timer runs again when the nested loop ends
    // A nested loop began or ended with the button up while a press was in progress: that press ended
    // without a tick to see it (the loop may have been a menu opened by that very click). A press the next
    // tick finds is a new one, and the old one's release comes first.
    bool releaseMissed = false;
    Point sampled;              // the cursor as the last tick of a press read it
    bool eventsRunning = false; // the mouse events' source delivers
    bool eventsRefusalLogged = false;
    bool pressFromEvents = false; // the press in progress began at a button-down event, not at a tick
    bool buttonSeenUp = false;    // ... and a tick found the button up before its button-up event came
    HandPosition hand;            // where the moves of the press in progress have taken the pointer
    std::vector<Rect> monitors;   // the desktop when it began
};

namespace {

// Re-arms the mouse timer when a tick ends, also when a port throws, unless monitoring was switched off
// meanwhile.
class MouseTimerRearm {
public:
    MouseTimerRearm(Timer& timer, const bool& suspended) : timer_(timer), suspended_(suspended) {}
    MouseTimerRearm(const MouseTimerRearm&) = delete;
    MouseTimerRearm& operator=(const MouseTimerRearm&) = delete;
    ~MouseTimerRearm() {
        if (!suspended_)
            timer_.setEnabled(true);
    }

private:
    Timer& timer_;
    const bool& suspended_;
};

} // namespace

Recognizer::Recognizer(RecognizerPorts ports, const RecognizerSettings& settings)
    : ports_(ports), state_(std::make_unique<State>(ports_, settings)) {
    ports_.pauseTimer.setEnabled(false);
    ports_.pauseTimer.setInterval(settings.helpPause);
    ports_.releaseCheckTimer.setEnabled(false);
    ports_.releaseCheckTimer.setInterval(kReleaseCheckInterval);
    ports_.mouseTimer.setInterval(kPressInterval);
    ports_.mouseTimer.setEnabled(true);
    followEventSource();
}

Recognizer::~Recognizer() {
    if (state_->eventsRunning)
        ports_.mouseEvents.stop();
}

void Recognizer::onMouseTimer() {
    State& s = *state_;
    if (s.inNestedLoop)
        return; // a tick that was already on its way
    if (s.resetRequested) {
        reset(clampToScreenRange(ports_.input.cursorPos()));
        return;
    }
    if (s.suspended)
        return;
    const bool down = ports_.input.gestureButtonDown();
    if (std::exchange(s.releaseMissed, false) && down && !s.idle)
        releaseTick();
    if (down)
        pressTick();
    else if (!awaitingButtonUpEvent())
        releaseTick();
}

bool Recognizer::awaitingButtonUpEvent() {
    State& s = *state_;
    // The button-up event comes after the moves that came before it; a release read from the button's state
    // may come before them. Only when the tick before already found the button up (the event lost) does a
    // tick end the press.
    return s.pressFromEvents && !s.idle && !std::exchange(s.buttonSeenUp, true);
}

void Recognizer::pressTick() {
    pressAt(clampToScreenRange(ports_.input.cursorPos()), false);
}

void Recognizer::pressAt(Point cursor, bool atButtonDown) {
    State& s = *state_;
    ports_.mouseTimer.setInterval(kPressInterval);
    ports_.scratchpad.buttonDown();
    s.sampled = cursor;
    if (s.idle) {
        // A press left alone stays idle and quiet until the release.
        if (s.leftAlone)
            return;
        ports_.log.clear();
        s.assembly.clearLists();
        init(cursor);
        s.assembly.recordPressWindow(ports_.desktop.topLevelWindowAt(cursor));
        const PressRuling ruling = ports_.pressGate.rulePress(cursor, foregroundIsFullScreen(ports_.desktop));
        s.ignorePress = ruling.outcome == PressOutcome::FullScreen;
        s.leftAlone = ruling.outcome == PressOutcome::LeftAlone;
        ports_.log.append(s.ignorePress ? "---------1" : "--------0");
        if (!ruling.note.empty())
            ports_.log.append(ruling.note);
        s.pressFromEvents = atButtonDown;
        if (s.eventsRunning) {
            s.monitors = ports_.desktop.monitors();
            s.hand.start(cursor);
        }
    } else {
        s.ignorePress = false;
    }
    // An ignored press keeps the recognizer idle, so every tick of it repeats the test above.
    if (s.ignorePress || s.leftAlone)
        return;

    ports_.mouseTimer.setEnabled(false);
    const MouseTimerRearm rearm(ports_.mouseTimer, s.suspended);
    s.classifier.step(cursor, s.assembly.firstCode());
    // A press read from events has its path from them; a tick's sample only steers the arrows and the pause,
    // which follows the hand where the cursor stops at an edge: a push into it is no rest.
    s.assembly.step(cursor, atButtonDown || !s.pressFromEvents,
                    s.eventsRunning ? std::optional<Point>(handAt(cursor, s.hand)) : std::nullopt);
    s.idle = false;
    // A press read from events needs no look at the button between the ticks: its button-up event ends it.
    if (!s.suspended && !s.pressFromEvents && !ports_.releaseCheckTimer.enabled())
        ports_.releaseCheckTimer.setEnabled(true);
}

void Recognizer::onReleaseCheckTimer() {
    State& s = *state_;
    // Only a gesture in progress has a release to notice; a reset waits for the next tick.
    if (s.inNestedLoop || s.suspended || s.idle || s.resetRequested) {
        ports_.releaseCheckTimer.setEnabled(false);
        return;
    }
    if (s.pressFromEvents) {
        ports_.releaseCheckTimer.setEnabled(false); // its button-up event ends it
        return;
    }
    if (!ports_.input.gestureButtonDown())
        releaseTick();
}

void Recognizer::releaseTick() {
    State& s = *state_;
    ports_.mouseTimer.setInterval(kReleaseInterval);
    ports_.mouseTimer.setEnabled(false);
    const MouseTimerRearm rearm(ports_.mouseTimer, s.suspended);
    ports_.pauseTimer.setEnabled(false);
    ports_.releaseCheckTimer.setEnabled(false);
    ports_.scratchpad.buttonUp();
    ports_.arrows.hide();
    s.ignorePress = false;
    s.leftAlone = false;
    s.pressFromEvents = false;
    s.buttonSeenUp = false;
    if (s.idle)
        return;
    FinishedGesture gesture{s.assembly.complete(), {}, s.assembly.pressWindow()};
    s.idle = true;
    if (gesture.codes.empty())
        return;
    gesture.strokeAngles = s.assembly.angles();
    ports_.library.gestureFinished(gesture);
}

void Recognizer::reset(Point cursor) {
    State& s = *state_;
    s.resetRequested = false;
    s.releaseMissed = false;
    ports_.releaseCheckTimer.setEnabled(false);
    init(cursor);
}

bool Recognizer::takesEvents() const {
    const State& s = *state_;
    return s.eventsRunning && !s.inNestedLoop && !s.suspended;
}

void Recognizer::mouseEvent(const MouseEvent& event) {
    State& s = *state_;
    if (!takesEvents())
        return;
    // A reset asked for by the help menu waits for the next tick, or for the next press, which it precedes.
    if (s.resetRequested) {
        if (event.kind != MouseEvent::Kind::ButtonDown)
            return;
        reset(clampToScreenRange(event.cursor));
    }
    switch (event.kind) {
    case MouseEvent::Kind::Move:
        if (wantsMoves())
            s.assembly.addPathPoint(clampToScreenRange(
                s.hand.move(clampToScreenRange(event.cursor), event.movement, s.monitors)));
        return;
    case MouseEvent::Kind::ButtonDown:
        // A press a tick already began keeps its start; one that ended unseen in a menu's loop ends first.
        if (std::exchange(s.releaseMissed, false) && !s.idle)
            releaseTick();
        if (s.idle)
            pressAt(clampToScreenRange(event.cursor), true);
        return;
    case MouseEvent::Kind::ButtonUp:
        releaseTick();
        return;
    }
}

bool Recognizer::wantsMoves() const {
    return takesEvents() && !state_->idle;
}

void Recognizer::followEventSource() {
    State& s = *state_;
    const bool wanted = s.settings.preciseRecognition;
    if (wanted == s.eventsRunning)
        return;
    if (!wanted) {
        ports_.mouseEvents.stop();
        s.eventsRunning = false;
        s.pressFromEvents = false;
        return;
    }
    if (const auto refusal = ports_.mouseEvents.start(*this)) {
        if (!std::exchange(s.eventsRefusalLogged, true))
            ports_.log.append("Precise recognition samples the mouse at each tick: " + *refusal);
        return;
    }
    s.eventsRunning = true;
}

void Recognizer::init(Point cursor) {
    State& s = *state_;
    s.classifier.init(cursor);
    s.assembly.init();
    s.idle = true;
}

void Recognizer::onPauseTimer() {
    if (state_->inNestedLoop)
        return;
    state_->assembly.onPauseTimer();
}

void Recognizer::setMonitoringEnabled(bool enabled) {
    State& s = *state_;
    s.suspended = !enabled;
    if (!enabled)
        ports_.releaseCheckTimer.setEnabled(false);
    if (s.inNestedLoop)
        s.resumeAfterLoop = enabled;
    else
        ports_.mouseTimer.setEnabled(enabled);
}

void Recognizer::noteMissedRelease() noexcept {
    State& s = *state_;
    try {
        if (!s.idle && !ports_.input.gestureButtonDown())
            s.releaseMissed = true;
    } catch (...) {
        // The next tick reads the button again.
    }
}

void Recognizer::nestedLoopStarted() {
    State& s = *state_;
    noteMissedRelease();
    // Inside a tick the sampling timer is already off and the tick turns it on again when it returns.
    s.resumeAfterLoop = ports_.mouseTimer.enabled();
    s.inNestedLoop = true;
    ports_.mouseTimer.setEnabled(false);
    ports_.pauseTimer.setEnabled(false);
    ports_.releaseCheckTimer.setEnabled(false);
}

void Recognizer::nestedLoopEnded() noexcept {
    State& s = *state_;
    s.inNestedLoop = false;
    noteMissedRelease();
    if (!s.resumeAfterLoop || s.suspended)
        return;
    try {
        ports_.mouseTimer.setEnabled(true);
    } catch (...) {
        // Runs while a guard unwinds: reported, never passed on.
        try {
            ports_.log.append("The sampling timer could not be restarted after a menu");
        } catch (...) {
        }
    }
}

void Recognizer::requestReset() {
    state_->resetRequested = true;
}

void Recognizer::setPauseTime(int milliseconds) {
    ports_.pauseTimer.setInterval(milliseconds);
    state_->settings.helpPause = milliseconds;
}

void Recognizer::applySettings(const RecognizerSettings& settings) {
    state_->settings = settings;
    setPauseTime(settings.helpPause);
    followEventSource();
}

const RecognizerSettings& Recognizer::settings() const {
    return state_->settings;
}

bool Recognizer::idle() const {
    return state_->idle;
}

bool Recognizer::suspended() const {
    return state_->suspended;
}

const std::vector<Direction>& Recognizer::codes() const {
    return state_->assembly.codes();
}

const std::vector<int>& Recognizer::lengths() const {
    return state_->assembly.lengths();
}

const std::vector<int>& Recognizer::angles() const {
    return state_->assembly.angles();
}

int Recognizer::stepAngle(std::size_t index) const {
    const auto& angles = state_->assembly.angles();
    return index < angles.size() ? angles[index] : 0;
}

Point Recognizer::sampledCursor() const {
    return state_->sampled;
}

RecognizerLiveValues Recognizer::liveValues() const {
    const DirectionClassifier& c = state_->classifier;
    RecognizerLiveValues values;
    values.avgX = c.avgX();
    values.avgY = c.avgY();
    values.accUp = c.accumulator(Direction::Up);
    values.accDown = c.accumulator(Direction::Down);
    values.accLeft = c.accumulator(Direction::Left);
    values.accRight = c.accumulator(Direction::Right);
    values.anchor = c.anchor();
    values.cursor = c.previous();
    values.smoothedAngle = c.smoothedAngle();
    values.directionText = std::string(directionName(c.displayedDirection()));
    return values;
}

} // namespace flickmark
