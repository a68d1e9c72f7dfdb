// What the gesture library needs of a text popup: a short text near the cursor, never activated.
#pragma once

#include "base/geometry.h"

#include <string_view>

namespace flickmark {

class TextPopup {
public:
    virtual ~TextPopup() = default;
    // Shows text near `at`; does nothing while a text is already showing.
    virtual void showText(std::string_view text, Point at) = 0;
    virtual void hide() = 0;
    virtual bool isShowing() const = 0;
};

} // namespace flickmark
