#include "platform/nested_loop.h"

namespace flickmark {

void NestedLoops::enter() {
    if (depth_ == 0) {
        // Counted only once the observer has taken note, so a throwing observer leaves no loop counted.
        if (observer_)
            observer_->nestedLoopStarted();
        reported_ = observer_;
    }
    ++depth_;
}

void NestedLoops::leave() noexcept {
    if (depth_ == 0)
        return;
    if (--depth_ == 0 && reported_) {
        NestedLoopObserver* observer = reported_;
        reported_ = nullptr;
        observer->nestedLoopEnded();
    }
}

} // namespace flickmark
