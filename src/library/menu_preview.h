// A picture of the highlighted gesture beside an open menu.
#pragma once

#include "base/geometry.h"

#include <string>

namespace flickmark {

class MenuPreview {
public:
    virtual ~MenuPreview() = default;
    // Shows the gesture's drawing next to `item` (a menu item's screen rectangle), replacing any shown one.
    virtual void showPreview(const std::string& gesture, Rect item) = 0;
    virtual void hidePreview() = 0;
};

} // namespace flickmark
