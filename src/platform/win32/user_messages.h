// UserMessages as a message box, held as one of the program's nested loops.
#pragma once

#include "platform/nested_loop.h"
#include "platform/user_messages.h"

namespace flickmark {

class Win32UserMessages final : public UserMessages {
public:
    // The references must outlive this object.
    explicit Win32UserMessages(NestedLoops& loops) : loops_(loops) {}

    void warn(const std::string& text) override;

private:
    NestedLoops& loops_;
};

} // namespace flickmark
