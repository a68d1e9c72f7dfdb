// The recognizer with its three timers: each tick drives it and then wakes the main loop for what it handed
// over, when an earlier tick could not. Runs from creation on; ticks begin once the message loop runs.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/mouse_events.h"
#include "platform/timer.h"
#include "recognizer/arrow_popup.h"
#include "recognizer/gesture_hand_over_queue.h"
#include "recognizer/press_gate.h"
#include "recognizer/recognizer.h"
#include "recognizer/scratchpad_trail.h"

#include <functional>
#include <memory>

namespace flickmark {

struct RecognizerHostPorts {
    Input& input;
    Desktop& desktop;
    ArrowPopup& arrows;
    ScratchpadTrail& scratchpad;
    GestureHandOverQueue& handOver; // what the recognizer finishes waits here for the main loop
    DiagnosticLog& log;
    PressGate& pressGate;
    TimerSource& timers;
    MouseEventSource& mouseEvents;
};

class RecognizerHost {
public:
    // `afterMouseTick` runs after every tick of the sampling timer (the diagnostic window's refresh); may be
    // empty. The ports must outlive the host.
    explicit RecognizerHost(RecognizerHostPorts ports, std::function<void()> afterMouseTick = {});
    RecognizerHost(const RecognizerHost&) = delete;
    RecognizerHost& operator=(const RecognizerHost&) = delete;
    ~RecognizerHost();

    Recognizer& recognizer() { return *recognizer_; }
    const Recognizer& recognizer() const { return *recognizer_; }
    // Stops the timers and hides the arrows (the program is ending); a menu or wait still open ends.
    void stop();

private:
    // The mouse's events reach the recognizer through this, which then wakes the main loop for what it
    // handed over, as after a tick.
    class WakingEvents final : public MouseEventSource, private MouseEventSink {
    public:
        WakingEvents(MouseEventSource& source, GestureHandOverQueue& handOver)
            : source_(source), handOver_(handOver) {}
        std::optional<std::string> start(MouseEventSink& sink) override {
            sink_ = &sink;
            return source_.start(*this);
        }
        void stop() noexcept override { source_.stop(); }

    private:
        void mouseEvent(const MouseEvent& event) override {
            sink_->mouseEvent(event);
            handOver_.retryWake();
        }
        bool wantsMoves() const override { return sink_->wantsMoves(); }
        MouseEventSource& source_;
        GestureHandOverQueue& handOver_;
        MouseEventSink* sink_ = nullptr;
    };

    RecognizerHostPorts ports_;
    WakingEvents events_;
    std::function<void()> afterMouseTick_;
    std::unique_ptr<Timer> mouseTimer_;
    std::unique_ptr<Timer> pauseTimer_;
    std::unique_ptr<Timer> releaseCheckTimer_;
    std::unique_ptr<Recognizer> recognizer_;
};

} // namespace flickmark
