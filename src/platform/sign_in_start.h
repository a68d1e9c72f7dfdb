// Flickmark's entry in the current user's list of programs that start when they sign in. Texts are UTF-8.
#pragma once

#include <optional>
#include <string>

namespace flickmark {

class SignInStart {
public:
    virtual ~SignInStart() = default;
    // The command of the entry; none when there is no entry or it cannot be read.
    virtual std::optional<std::string> command() const = 0;
    // Adds the entry or replaces its command; false when the system refused.
    virtual bool setCommand(const std::string& command) = 0;
    // Removes the entry (no entry is fine); false when the system refused.
    virtual bool remove() = 0;
};

} // namespace flickmark
