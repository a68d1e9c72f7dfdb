// Where a popup goes on the screen: next to a position (normally near the cursor), fully inside the work
// area of the monitor it is on, and never over the position itself once it had to be moved.
#pragma once

#include "base/geometry.h"

namespace flickmark {

struct PopupSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PopupSize&, const PopupSize&) = default;
};

// Space kept between a moved popup and the position it must not cover.
inline constexpr int kPopupPositionGap = 10;

// Each side limited to the corresponding side of `limit`; negative sides become 0.
PopupSize limitPopupSize(PopupSize size, PopupSize limit);

// Places a popup of `size` with its top-left corner at `at`, then moves it inside `area`: left or up where
// it would leave the right or bottom edge, right or down where it would leave the left or top edge (a
// popup larger than the area is cut to the area). When the move puts the popup over `at`, it goes
// kPopupPositionGap pixels below `at`, or above it when it was pushed up from the bottom edge or does
// not fit below; when it fits neither, it stays where it is. A popup shown exactly at `at` is not
// "over" it: `at` is then its own corner, which keeps a placement at a placed corner unchanged.
Rect placePopup(PopupSize size, Point at, const Rect& area);

} // namespace flickmark
