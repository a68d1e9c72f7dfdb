// Where the recognizer hands over finished gestures and help requests: they wait here until the main loop
// delivers them to the library. So the tick that finished a gesture returns before anything of its lookup
// runs, and no lookup, menu or wait (all of which may process messages) ever runs inside a tick.
#pragma once

#include "recognizer/gesture_outlet.h"

#include <deque>
#include <functional>
#include <variant>

namespace flickmark {

class GestureHandOverQueue final : public GestureOutlet {
public:
    // `wake` asks the main loop to call deliver() once the running tick has returned; it returns false when
    // it could not. Without a target hand-overs wait.
    explicit GestureHandOverQueue(std::function<bool()> wake, GestureOutlet* target = nullptr);

    void setTarget(GestureOutlet* target) { target_ = target; }

    // GestureOutlet
    void gestureFinished(const FinishedGesture& gesture) override;
    void showHelp(Direction firstCode, WindowId pressWindow) override;

    // After every tick: when the main loop could not be woken for what waits, it is asked again. What waits
    // is never delivered from inside a tick.
    void retryWake();
    // Hands everything waiting to the target, oldest first, also what arrives meanwhile. A call made while
    // a delivery runs (from a loop inside the library) leaves the waiting hand-overs to that delivery.
    void deliver();
    bool empty() const { return pending_.empty(); }

private:
    struct HelpRequest {
        Direction firstCode;
        WindowId pressWindow;
    };
    void add(std::variant<FinishedGesture, HelpRequest> handOver);

    std::function<bool()> wake_;
    GestureOutlet* target_;
    std::deque<std::variant<FinishedGesture, HelpRequest>> pending_;
    bool woken_ = false; // a delivery is on its way
    bool delivering_ = false;
};

} // namespace flickmark
