#include "fakes/trace_runner.h"

#include "platform/waited_mouse_reports.h"

namespace flickmark {

TraceRunner::TraceRunner(const RecognizerSettings& settings)
    : recognizer(RecognizerPorts{input, desktop, mouseTimer, pauseTimer, releaseCheckTimer, arrows,
                                 scratchpad, handOver, log, pressGate, mouseEvents},
                 settings) {}

void TraceRunner::advanceTo(std::int64_t timeMs) {
    while (pauseTimer.enabled() && pauseTimer.deadline() <= timeMs) {
        clock.setNow(pauseTimer.deadline());
        pauseTimer.markFired();
        recognizer.onPauseTimer();
        handOver.deliver();
    }
    clock.setNow(timeMs);
}

void TraceRunner::tick(std::int64_t timeMs, bool buttonDown, Point cursor) {
    advanceTo(timeMs);
    input.buttonDown = buttonDown;
    input.cursor = cursor;
    recognizer.onMouseTimer();
    handOver.deliver();
}

void TraceRunner::happen(const MouseEvent& event) {
    advanceTo(event.timeMs);
    if (event.kind != MouseEvent::Kind::Move)
        input.buttonDown = event.kind == MouseEvent::Kind::ButtonDown;
    input.cursor = event.cursor;
}

void TraceRunner::event(const MouseEvent& event) {
    happen(event);
    mouseEvents.deliver(event);
    handOver.deliver();
}

void TraceRunner::eventThatMayWait(const MouseEvent& event) {
    if (waitingEvents.empty() && recognizer.wantsMoves()) {
        this->event(event);
        return;
    }
    happen(event);
    waitingEvents.push_back(event);
}

void TraceRunner::wake(std::int64_t timeMs, Point cursorNow) {
    advanceTo(timeMs);
    // What the queue keeps of each: the button's change and the mouse's movement (a device that reports
    // positions, with no movement, keeps its position).
    std::vector<WaitedMouseReport> reports;
    for (const MouseEvent& event : waitingEvents) {
        WaitedMouseReport report{event.kind == MouseEvent::Kind::ButtonDown,
                                 event.kind == MouseEvent::Kind::ButtonUp,
                                 event.movement,
                                 {}};
        if (event.kind == MouseEvent::Kind::Move && event.movement == Point{})
            report.position = event.cursor;
        reports.push_back(report);
    }
    waitingEvents.clear();
    for (const MouseEvent& event : eventsOfWaitedReports(reports, cursorNow, timeMs)) {
        mouseEvents.deliver(event);
        handOver.deliver();
    }
}

void TraceRunner::releaseCheck(std::int64_t timeMs, bool buttonDown) {
    advanceTo(timeMs);
    input.buttonDown = buttonDown;
    recognizer.onReleaseCheckTimer();
    handOver.deliver();
}

} // namespace flickmark
