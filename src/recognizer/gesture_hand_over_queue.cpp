#include "recognizer/gesture_hand_over_queue.h"

#include <utility>

namespace flickmark {

GestureHandOverQueue::GestureHandOverQueue(std::function<bool()> wake, GestureOutlet* target)
    : wake_(std::move(wake)), target_(target) {}

void GestureHandOverQueue::gestureFinished(const FinishedGesture& gesture) {
    add(gesture);
}

void GestureHandOverQueue::showHelp(Direction firstCode, WindowId pressWindow) {
    add(HelpRequest{firstCode, pressWindow});
}

void GestureHandOverQueue::add(std::variant<FinishedGesture, HelpRequest> handOver) {
    pending_.push_back(std::move(handOver));
    retryWake();
}

void GestureHandOverQueue::retryWake() {
    if (!pending_.empty() && !woken_)
        woken_ = wake_();
}

void GestureHandOverQueue::deliver() {
    woken_ = false;
    if (delivering_ || !target_)
        return;
    delivering_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{delivering_};
    while (!pending_.empty() && target_) {
        const auto handOver = std::move(pending_.front());
        pending_.pop_front();
        if (const auto* gesture = std::get_if<FinishedGesture>(&handOver))
            target_->gestureFinished(*gesture);
        else if (const auto* help = std::get_if<HelpRequest>(&handOver))
            target_->showHelp(help->firstCode, help->pressWindow);
    }
}

} // namespace flickmark
