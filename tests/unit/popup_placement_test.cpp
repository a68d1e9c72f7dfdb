#include "popup/popup_placement.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace flickmark {

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

const Rect kScreen{0, 0, 1280, 800};
// A work area of a monitor left of the primary one, with a taskbar at its bottom.
const Rect kLeftMonitorWork{-1920, 0, 0, 1040};

TEST(PopupPlacement, FitsTheWorkAreaAndKeepsClearOfThePosition) {
    const struct {
        const char* name;
        PopupSize size;
        Point at;
        Rect area;
        Rect expected;
    } table[] = {
        {"room everywhere: exactly at the position", {50, 50}, {400, 300}, kScreen, {400, 300, 450, 350}},
        {"touching the right and bottom edges still fits",
         {50, 50},
         {1230, 750},
         kScreen,
         {1230, 750, 1280, 800}},
        {"right edge: shifted left, then 10 below the position",
         {50, 50},
         {1260, 300},
         kScreen,
         {1230, 310, 1280, 360}},
        {"bottom edge: shifted up, then 10 above the position",
         {50, 50},
         {400, 780},
         kScreen,
         {400, 720, 450, 770}},
        {"bottom-right corner: above the position, on the desktop",
         {50, 50},
         {1279, 799},
         kScreen,
         {1230, 739, 1280, 789}},
        {"right edge near the bottom: no room below, so above",
         {50, 50},
         {1270, 760},
         kScreen,
         {1230, 700, 1280, 750}},
        {"left of the area: shifted right, position not covered",
         {50, 50},
         {-70, 300},
         kScreen,
         {0, 300, 50, 350}},
        {"above the area: shifted down", {50, 50}, {400, -20}, kScreen, {400, 0, 450, 50}},
        {"monitor with negative coordinates", {50, 50}, {-10, 1030}, kLeftMonitorWork, {-50, 970, 0, 1020}},
        {"larger than the area: cut to the area", {2000, 900}, {100, 100}, kScreen, {0, 0, 1280, 800}},
        {"fits neither below nor above: stays on the area",
         {50, 90},
         {30, 50},
         Rect{0, 0, 40, 100},
         {0, 10, 40, 100}},
    };
    for (const auto& row : table)
        EXPECT_EQ(placePopup(row.size, row.at, row.area), row.expected) << row.name;
}

// Positions from `outside` before the area's start to `outside` past its end: every pixel within `band` of
// either edge, where the popup is moved and the gap beside the position decides, and a coarse step between.
std::vector<int> positionsAlong(int start, int end, int band, int outside) {
    std::vector<int> positions;
    for (int v = start - outside; v < start + band; ++v)
        positions.push_back(v);
    for (int v = start + band; v < end - band; v += 37)
        positions.push_back(v);
    for (int v = end - band; v <= end + outside; ++v)
        positions.push_back(v);
    return positions;
}

TEST(PopupPlacement, EveryPlacementStaysOnTheAreaAndOffTheMovedPosition) {
    const PopupSize size{200, 80};
    const int gaps = 2 * kPopupPositionGap;
    for (const int x : positionsAlong(kScreen.left, kScreen.right, size.width + gaps, 100)) {
        for (const int y : positionsAlong(kScreen.top, kScreen.bottom, size.height + gaps, 100)) {
            const Point at{x, y};
            const Rect r = placePopup(size, at, kScreen);
            ASSERT_GE(r.left, kScreen.left) << x << "," << y;
            ASSERT_GE(r.top, kScreen.top) << x << "," << y;
            ASSERT_LE(r.right, kScreen.right) << x << "," << y;
            ASSERT_LE(r.bottom, kScreen.bottom) << x << "," << y;
            ASSERT_EQ(r.width(), size.width);
            ASSERT_EQ(r.height(), size.height);
            const bool atItsCorner = r.left == x && r.top == y;
            ASSERT_TRUE(atItsCorner || !r.contains(at)) << x << "," << y << " -> " << r;
        }
    }
}

TEST(PopupPlacement, PlacingAgainAtThePlacedCornerChangesNothing) {
    // The arrow popup shows each new arrow at the corner where the previous one ended up.
    for (const Point at : {Point{1279, 799}, Point{1260, 300}, Point{-70, 300}, Point{400, 780}}) {
        const Rect first = placePopup({50, 50}, at, kScreen);
        EXPECT_EQ(placePopup({50, 50}, Point{first.left, first.top}, kScreen), first);
    }
}

TEST(PopupPlacement, SizeLimitCutsEachSideOnItsOwn) {
    EXPECT_EQ(limitPopupSize({350, 40}, {300, 300}), (PopupSize{300, 40}));
    EXPECT_EQ(limitPopupSize({120, 500}, {300, 300}), (PopupSize{120, 300}));
    EXPECT_EQ(limitPopupSize({-5, 10}, {300, 300}), (PopupSize{0, 10}));
}

} // namespace
} // namespace flickmark
