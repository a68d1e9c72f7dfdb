#include "recognizer/drawn_press_reading.h"

#include "base/diagnostic_log.h"
#include "recognizer/recognizer.h"

#include <algorithm>
#include <array>
#include <optional>

namespace flickmark {
namespace {

// A window timer on the reading's own clock: it fires only when the reading's loop delivers its tick.
class DrawingTimer final : public Timer {
public:
    explicit DrawingTimer(const std::int64_t& now) : now_(now) {}
    void setInterval(int milliseconds) override {
        interval_ = milliseconds;
        if (enabled_)
            startedAt_ = now_;
    }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override {
        enabled_ = enabled;
        if (enabled)
            startedAt_ = now_;
    }
    bool enabled() const override { return enabled_; }
    std::int64_t deadline() const { return startedAt_ + std::max(interval_, 1); }
    void markFired() { startedAt_ = deadline(); }

private:
    const std::int64_t& now_;
    int interval_ = 0;
    bool enabled_ = false;
    std::int64_t startedAt_ = 0;
};

// The recorded press as the recognizer's input: the button is down from the first point until the last
// one's time (at least at the first point), the cursor where the last point at or before now put it.
class DrawnInput final : public Input {
public:
    DrawnInput(std::span<const TimedPoint> press, const std::int64_t& now) : press_(press), now_(now) {}
    bool gestureButtonDown() override { return now_ == press_.front().timeMs || now_ < press_.back().timeMs; }
    Point cursorPos() override {
        const auto after = std::upper_bound(press_.begin(), press_.end(), now_,
                                            [](std::int64_t t, const TimedPoint& p) { return t < p.timeMs; });
        return after == press_.begin() ? press_.front().at : std::prev(after)->at;
    }
    bool keyToggled(int) override { return false; }
    bool keyDown(int) override { return false; }
    std::optional<Rect> cursorClip() override { return std::nullopt; }
    bool cursorHidden() override { return false; }

private:
    std::span<const TimedPoint> press_;
    const std::int64_t& now_;
};

// One monitor far larger than any drawing, so that no stroke is judged to run into a screen edge; no
// windows.
class DrawingDesktop final : public Desktop {
public:
    std::vector<Rect> monitors() override { return {kMonitor}; }
    std::optional<Rect> monitorNearest(Point) override { return kMonitor; }
    WindowId foregroundWindow() override { return 0; }
    std::string processNameOfWindow(WindowId) override { return {}; }
    std::optional<Rect> windowRect(WindowId) override { return std::nullopt; }
    std::optional<ShowState> showState(WindowId) override { return std::nullopt; }
    WindowId topLevelWindowAt(Point) override { return 0; }
    std::string windowClassName(WindowId) override { return {}; }
    bool isOwnWindow(WindowId) override { return true; }

private:
    static constexpr Rect kMonitor{-1'000'000, -1'000'000, 1'000'000, 1'000'000};
};

class NoArrows final : public ArrowPopup {
public:
    void showArrow(Direction, Point) override {}
    void hide() override {}
    bool isShowing() const override { return false; }
    Point position() const override { return {}; }
};

class NoTrail final : public ScratchpadTrail {
public:
    void buttonDown() override {}
    void buttonUp() override {}
    void addPoint(Point) override {}
};

class DrawingOutlet final : public GestureOutlet {
public:
    void gestureFinished(const FinishedGesture& gesture) override { codes = gesture.codes; }
    void showHelp(Direction, WindowId) override {}
    std::optional<std::string> codes;
};

// Every drawn press may become a gesture: it is drawn inside Flickmark, whatever is in front.
class EveryPress final : public PressGate {
public:
    PressRuling rulePress(Point, bool) override { return {PressOutcome::Gesture, {}}; }
};

// Samples after the release: enough for the release check and the tick after it.
constexpr std::int64_t kAfterRelease = 1000;

// The recorded press as the mouse's events: the button goes down at the first point, each later point is a
// move, and the button comes up at the last one.
MouseEvent drawnEvent(std::span<const TimedPoint> press, std::size_t index) {
    const TimedPoint& point = press[index];
    MouseEvent event{MouseEvent::Kind::Move, point.timeMs, point.at, {}};
    if (index == 0)
        event.kind = MouseEvent::Kind::ButtonDown;
    return event;
}

} // namespace

std::string readDrawnPress(std::span<const TimedPoint> press, const RecognizerSettings& settings) {
    if (press.empty())
        return {};
    std::int64_t now = press.front().timeMs;
    DrawingTimer mouseTimer{now}, pauseTimer{now}, releaseCheckTimer{now};
    DrawnInput input{press, now};
    DrawingDesktop desktop;
    NoArrows arrows;
    NoTrail trail;
    DrawingOutlet outlet;
    DiagnosticLog log;
    EveryPress gate;
    HandedMouseEvents events;
    RecognizerSettings reading = settings;
    reading.enableHelpPopup = false;
    Recognizer recognizer{RecognizerPorts{input, desktop, mouseTimer, pauseTimer, releaseCheckTimer, arrows,
                                          trail, outlet, log, gate, events},
                          reading};

    // The events (taken only with precise recognition) come first at equal times; the first sample of the
    // timers falls at the button-down.
    events.deliver(drawnEvent(press, 0));
    recognizer.onMouseTimer();
    std::size_t nextEvent = 1;
    const std::int64_t end = press.back().timeMs + kAfterRelease;
    while (!outlet.codes) {
        std::array<DrawingTimer*, 3> timers{&releaseCheckTimer, &mouseTimer, &pauseTimer};
        DrawingTimer* next = nullptr;
        for (DrawingTimer* timer : timers)
            if (timer->enabled() && (!next || timer->deadline() < next->deadline()))
                next = timer;
        if (nextEvent < press.size() && (!next || press[nextEvent].timeMs <= next->deadline())) {
            now = press[nextEvent].timeMs;
            events.deliver(drawnEvent(press, nextEvent));
            if (++nextEvent == press.size())
                events.deliver({MouseEvent::Kind::ButtonUp, now, press.back().at, {}});
            continue;
        }
        if (!next || next->deadline() > end)
            break;
        now = next->deadline();
        next->markFired();
        if (next == &mouseTimer)
            recognizer.onMouseTimer();
        else if (next == &releaseCheckTimer)
            recognizer.onReleaseCheckTimer();
        else
            recognizer.onPauseTimer();
    }
    return outlet.codes.value_or(std::string{});
}

} // namespace flickmark
