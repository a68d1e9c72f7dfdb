#include "base/direction.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(Direction, AdjacencyIsSymmetricAndOnlyBetweenCardinalAndDiagonal) {
    const struct {
        Direction cardinal;
        Direction a, b;
    } table[] = {{Direction::Up, Direction::NE, Direction::NW},
                 {Direction::Down, Direction::SE, Direction::SW},
                 {Direction::Left, Direction::NW, Direction::SW},
                 {Direction::Right, Direction::NE, Direction::SE}};
    for (const auto& row : table) {
        for (std::size_t code = 0; code <= toIndex(Direction::None); ++code) {
            const Direction d = directionFromIndex(code);
            const bool expected = d == row.a || d == row.b;
            EXPECT_EQ(areAdjacent(row.cardinal, d), expected) << int(row.cardinal) << " " << int(d);
            EXPECT_EQ(areAdjacent(d, row.cardinal), expected) << int(d) << " " << int(row.cardinal);
        }
    }
    EXPECT_FALSE(areAdjacent(Direction::NE, Direction::SE));
    EXPECT_FALSE(areAdjacent(Direction::Up, Direction::Down));
}

TEST(Direction, AngleBetweenComparesPlainNumbersWithBothEndsIncluded) {
    EXPECT_TRUE(angleBetween(Direction::Up, Direction::NE, 300));
    EXPECT_FALSE(angleBetween(Direction::Up, Direction::SE, 300));   // not adjacent
    EXPECT_TRUE(angleBetween(Direction::Right, Direction::NE, 300)); // 0..315, no wrap-around
    EXPECT_FALSE(angleBetween(Direction::NE, Direction::Right, 330));
    EXPECT_TRUE(angleBetween(Direction::SW, Direction::Left, 135));
    EXPECT_TRUE(angleBetween(Direction::SW, Direction::Left, 180));
    EXPECT_FALSE(angleBetween(Direction::SW, Direction::Left, 190));
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
