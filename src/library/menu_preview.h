// A picture of the highlighted gesture beside an open menu.
#pragma once

#include "base/geometry.h"
#include "popup/popup_placement.h"

#include <string>

namespace flickmark {

class MenuPreview {
public:
    virtual ~MenuPreview() = default;
    // Shows the gesture's drawing next to `item` (a menu item's screen rectangle), replacing any shown one.
    virtual void showPreview(const std::string& gesture, Rect item) = 0;
    virtual void hidePreview() = 0;
};

// Space between a menu and the preview beside it.
inline constexpr int kMenuPreviewGap = 4;

// The top-left corner of a preview of `size` beside a menu item: right of the menu, level with the item, or
// left of the menu when the work area has no room on the right. The popup keeps it inside the work area.
Point menuPreviewCorner(Rect item, PopupSize size, const Rect& workArea);

} // namespace flickmark
