// Telling the user something that needs their attention, in a message they must acknowledge.
#pragma once

#include <string>

namespace flickmark {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a warning and returns once the user has acknowledged it. `text` is UTF-8. Runs a message loop
    // of its own, so it must not be called where that loop could re-enter the caller.
    virtual void warn(const std::string& text) = 0;
    // Tells the user that something they asked for is done, as warn shows a warning.
    virtual void inform(const std::string& text) = 0;
};

} // namespace flickmark
