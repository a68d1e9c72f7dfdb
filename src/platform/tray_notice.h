// A short message from the program's notification-area icon (a balloon): it takes no focus and goes away
// by itself. Nothing is shown while the icon is not there; the caller learns so and may try again later.
#pragma once

#include <string>

namespace flickmark {

class TrayNotice {
public:
    virtual ~TrayNotice() = default;
    // `title` and `text` are UTF-8; the system cuts what does not fit. Whether the notice was shown.
    virtual bool showNotice(const std::string& title, const std::string& text) = 0;
};

} // namespace flickmark
