#include "recognizer/recognizer_host.h"

#include <utility>

namespace flickmark {

RecognizerHost::RecognizerHost(RecognizerHostPorts ports, std::function<void()> afterMouseTick)
    : ports_(ports), events_(ports.mouseEvents, ports.handOver), afterMouseTick_(std::move(afterMouseTick)) {
    mouseTimer_ = ports_.timers.makeTimer("mouse timer", [this] {
        recognizer_->onMouseTimer();
        ports_.handOver.retryWake();
        if (afterMouseTick_)
            afterMouseTick_();
    });
    pauseTimer_ = ports_.timers.makeTimer("pause timer", [this] {
        recognizer_->onPauseTimer();
        ports_.handOver.retryWake();
    });
    // Runs only while a gesture is in progress; it reads the button and nothing else. Without it a release
    // is still seen, at the next tick.
    releaseCheckTimer_ = ports_.timers.makeTimer("release check timer", [this] {
        recognizer_->onReleaseCheckTimer();
        ports_.handOver.retryWake();
    });
    recognizer_ = std::make_unique<Recognizer>(RecognizerPorts{
        ports_.input, ports_.desktop, *mouseTimer_, *pauseTimer_, *releaseCheckTimer_, ports_.arrows,
        ports_.scratchpad, ports_.handOver, ports_.log, ports_.pressGate, events_});
}

RecognizerHost::~RecognizerHost() {
    stop();
}

void RecognizerHost::stop() {
    // As monitoring switched off: a menu or wait still open ends, and does not restart sampling.
    recognizer_->setMonitoringEnabled(false);
    mouseTimer_->setEnabled(false);
    pauseTimer_->setEnabled(false);
    releaseCheckTimer_->setEnabled(false);
    ports_.arrows.hide();
}

} // namespace flickmark
