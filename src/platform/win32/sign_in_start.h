// The entry is the value "Flickmark" of the current user's Run key.
#pragma once

#include "platform/sign_in_start.h"

namespace flickmark {

class Win32SignInStart final : public SignInStart {
public:
    std::optional<std::string> command() const override;
    bool setCommand(const std::string& command) override;
    bool remove() override;
};

} // namespace flickmark
