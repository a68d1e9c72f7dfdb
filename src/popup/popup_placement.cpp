#include "popup/popup_placement.h"

#include <algorithm>

namespace flickmark {
namespace {

void moveTo(Rect& r, int left, int top) {
    const int w = r.width();
    const int h = r.height();
    r = Rect{left, top, left + w, top + h};
}

} // namespace

PopupSize limitPopupSize(PopupSize size, PopupSize limit) {
    return PopupSize{std::clamp(size.width, 0, std::max(limit.width, 0)),
                     std::clamp(size.height, 0, std::max(limit.height, 0))};
}

Rect placePopup(PopupSize size, Point at, const Rect& area) {
    const PopupSize fitted = limitPopupSize(size, PopupSize{area.width(), area.height()});
    Rect r{at.x, at.y, at.x + fitted.width, at.y + fitted.height};

    if (r.right > area.right)
        moveTo(r, area.right - fitted.width, r.top);
    if (r.left < area.left)
        moveTo(r, area.left, r.top);
    bool pushedUp = false;
    if (r.bottom > area.bottom) {
        moveTo(r, r.left, area.bottom - fitted.height);
        pushedUp = true;
    }
    if (r.top < area.top)
        moveTo(r, r.left, area.top);

    const bool moved = r.left != at.x || r.top != at.y;
    if (moved && r.contains(at)) {
        const int below = at.y + kPopupPositionGap;
        const int above = at.y - kPopupPositionGap - fitted.height;
        const bool fitsBelow = below + fitted.height <= area.bottom;
        const bool fitsAbove = above >= area.top;
        if (fitsAbove && (pushedUp || !fitsBelow))
            moveTo(r, r.left, above);
        else if (fitsBelow)
            moveTo(r, r.left, below);
    }
    return r;
}

} // namespace flickmark
