// A gesture library that records every call with the virtual time it came at. An optional hook runs after
// each call is recorded, for tests that act like the real library (for example requesting a reset after
// help).
#pragma once

#include "fakes/virtual_clock.h"
#include "recognizer/gesture_outlet.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace flickmark {

struct LibraryCall {
    enum class Kind { GestureFinished, ShowHelp };
    Kind kind;
    std::string gesture;                   // empty for ShowHelp
    std::vector<int> strokeAngles;         // GestureFinished only
    Direction firstCode = Direction::None; // ShowHelp only
    std::int64_t timeMs = 0;
};

class RecordingGestureOutlet final : public GestureOutlet {
public:
    explicit RecordingGestureOutlet(const VirtualClock& clock) : clock_(clock) {}

    void gestureFinished(const FinishedGesture& gesture) override {
        add({LibraryCall::Kind::GestureFinished, gesture.codes, gesture.strokeAngles, Direction::None,
             clock_.now()});
    }
    void showHelp(Direction firstCode, WindowId) override {
        add({LibraryCall::Kind::ShowHelp, {}, {}, firstCode, clock_.now()});
    }

    // The gestures handed over for running, in order.
    std::vector<std::string> gestures() const {
        std::vector<std::string> out;
        for (const auto& call : calls)
            if (call.kind != LibraryCall::Kind::ShowHelp)
                out.push_back(call.gesture);
        return out;
    }

    std::vector<LibraryCall> calls;
    std::function<void(const LibraryCall&)> onCall;

private:
    void add(LibraryCall call) {
        calls.push_back(std::move(call));
        if (onCall)
            onCall(calls.back());
    }

    const VirtualClock& clock_;
};

} // namespace flickmark
