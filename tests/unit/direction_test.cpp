#include "base/direction.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(Direction, AdjacencyIsSymmetricAndOnlyBetweenCardinalAndDiagonal) {
    const struct {
        Direction cardinal;
        Direction a, b;
    } table[] = {{dir::Up, dir::NE, dir::NW},
                 {dir::Down, dir::SE, dir::SW},
                 {dir::Left, dir::NW, dir::SW},
                 {dir::Right, dir::NE, dir::SE}};
    for (const auto& row : table) {
        for (Direction d = 0; d <= dir::None; ++d) {
            const bool expected = d == row.a || d == row.b;
            EXPECT_EQ(areAdjacent(row.cardinal, d), expected) << int(row.cardinal) << " " << int(d);
            EXPECT_EQ(areAdjacent(d, row.cardinal), expected) << int(d) << " " << int(row.cardinal);
        }
    }
    EXPECT_FALSE(areAdjacent(dir::NE, dir::SE));
    EXPECT_FALSE(areAdjacent(dir::Up, dir::Down));
}

TEST(Direction, AngleBetweenComparesPlainNumbersWithBothEndsIncluded) {
    EXPECT_TRUE(angleBetween(dir::Up, dir::NE, 300));
    EXPECT_FALSE(angleBetween(dir::Up, dir::SE, 300));   // not adjacent
    EXPECT_TRUE(angleBetween(dir::Right, dir::NE, 300)); // 0..315, no wrap-around
    EXPECT_FALSE(angleBetween(dir::NE, dir::Right, 330));
    EXPECT_TRUE(angleBetween(dir::SW, dir::Left, 135));
    EXPECT_TRUE(angleBetween(dir::SW, dir::Left, 180));
    EXPECT_FALSE(angleBetween(dir::SW, dir::Left, 190));
}

TEST(Direction, GestureStringsAndDisplayNames) {
    EXPECT_EQ(gestureDisplayName("03"), "UP+RIGHT");
    EXPECT_EQ(gestureDisplayName("4567"), "NE+NW+SE+SW");
    EXPECT_EQ(gestureDisplayName(""), "");
    EXPECT_TRUE(isGestureString("0312"));
    for (const char* bad : {"", "00", "08", "0a", "9", "3 1"})
        EXPECT_FALSE(isGestureString(bad)) << bad;
}

} // namespace
} // namespace flickmark
