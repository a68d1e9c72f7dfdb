// The user's messages while the program runs. Once it has begun to end, nothing more is shown: a box would
// hold up the exit (or the end of the Windows session), and what it would say is in the log already.
#pragma once

#include "platform/message_boxes.h"

namespace flickmark {

class MessageBoxesUntilExit final : public MessageBoxes {
public:
    // `shown` must outlive this object.
    explicit MessageBoxesUntilExit(MessageBoxes& shown) : shown_(shown) {}

    void warn(const std::string& text) override {
        if (!ending_)
            shown_.warn(text);
    }
    void inform(const std::string& text) override {
        if (!ending_)
            shown_.inform(text);
    }
    void programEnding() { ending_ = true; }

private:
    MessageBoxes& shown_;
    bool ending_ = false;
};

} // namespace flickmark
