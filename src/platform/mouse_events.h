// Mouse events port: the gesture button's changes and the mouse's moves, each as it happened, delivered to
// a background program without intercepting anything (the right click stays the program's own). Precise
// recognition reads a press from them; without them it samples at its ticks.
#pragma once

#include "base/geometry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace flickmark {

struct MouseEvent {
    enum class Kind { ButtonDown, ButtonUp, Move };

    Kind kind = Kind::Move;
    std::int64_t timeMs = 0; // the message time; for events that waited in the queue, when they were read
    Point cursor;            // the cursor where the event left it
    // What the mouse itself moved by, in pixels at the default pointer speed; it goes on where the cursor
    // stops at a screen edge. 0, 0 for a device that reports positions (a tablet, a remote session).
    Point movement;

    friend bool operator==(const MouseEvent&, const MouseEvent&) = default;
};

class MouseEventSink {
public:
    virtual ~MouseEventSink() = default;
    // On the UI thread, in the order the events happened.
    virtual void mouseEvent(const MouseEvent& event) = 0;
    // Whether moves matter now (a press is being read); a source may leave them out otherwise, and save
    // reading the cursor for each.
    virtual bool wantsMoves() const = 0;
};

class MouseEventSource {
public:
    virtual ~MouseEventSource() = default;
    // Starts delivering events to `sink` (which must outlive the delivery); nothing when it runs, else why
    // it could not start. Starting a running source only changes the sink.
    virtual std::optional<std::string> start(MouseEventSink& sink) = 0;
    // No more events; no effect when it does not run.
    virtual void stop() noexcept = 0;
};

// A source whose events its owner hands in: a press recorded elsewhere, or a test's.
class HandedMouseEvents final : public MouseEventSource {
public:
    std::optional<std::string> start(MouseEventSink& sink) override {
        sink_ = &sink;
        return std::nullopt;
    }
    void stop() noexcept override { sink_ = nullptr; }
    bool running() const { return sink_ != nullptr; }
    // Passes the event on while the source runs.
    void deliver(const MouseEvent& event) {
        if (sink_)
            sink_->mouseEvent(event);
    }

private:
    MouseEventSink* sink_ = nullptr;
};

} // namespace flickmark
