#include "fakes/trace_runner.h"

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

void TraceRunner::event(const MouseEvent& event) {
    advanceTo(event.timeMs);
    if (event.kind != MouseEvent::Kind::Move)
        input.buttonDown = event.kind == MouseEvent::Kind::ButtonDown;
    input.cursor = event.cursor;
    mouseEvents.deliver(event);
    handOver.deliver();
}

void TraceRunner::releaseCheck(std::int64_t timeMs, bool buttonDown) {
    advanceTo(timeMs);
    input.buttonDown = buttonDown;
    recognizer.onReleaseCheckTimer();
    handOver.deliver();
}

} // namespace flickmark
