// The user's messages while the program runs. Once it has begun to end, nothing more is shown: a box would
// hold up the exit (or the end of the Windows session), and what it would say is in the log already.
#pragma once

#include "platform/user_messages.h"

namespace flickmark {

class UserMessagesUntilExit final : public UserMessages {
public:
    // `shown` must outlive this object.
    explicit UserMessagesUntilExit(UserMessages& shown) : shown_(shown) {}

    void warn(const std::string& text) override {
        if (!ending_)
            shown_.warn(text);
    }
    void programEnding() { ending_ = true; }

private:
    UserMessages& shown_;
    bool ending_ = false;
};

} // namespace flickmark
