#include "recognizer/stroke_math.h"

#include <gtest/gtest.h>

#include <limits>

namespace flickmark {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourOnBothSidesOfZero) {
    const struct {
        double value;
        int expected;
    } table[] = {{0.5, 0},   {1.5, 2},        {2.5, 2},    {3.5, 4},    {-0.5, 0},     {-1.5, -2},
                 {-2.5, -2}, {-3.5, -4},      {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {32.5, 32},
                 {37.5, 38}, {-40.7407, -41}, {0.0, 0},    {-0.0, 0}};
    for (const auto& row : table)
        EXPECT_EQ(roundHalfEven(row.value), row.expected) << row.value;
}

TEST(RoundHalfEven, SaturatesOutsideTheIntRange) {
    EXPECT_EQ(roundHalfEven(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEven(-1e12), std::numeric_limits<int>::min());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Blend, WeighsTheSampleAndKeepsTheValueOnAZeroSample) {
    EXPECT_EQ(blend(0, 17, 0.8), 17);
    EXPECT_EQ(blend(0, -9, 0.3), -9);
    EXPECT_EQ(blend(23, 0, 0.8), 18);   // 18.4
    EXPECT_EQ(blend(-41, 0, 0.8), -33); // -32.8
    EXPECT_EQ(blend(1, 0, 0.5), 0);     // 0.5 rounds to even
    EXPECT_EQ(blend(3, 0, 0.5), 2);     // 1.5
    EXPECT_EQ(blend(-5, 0, 0.5), -2);   // -2.5
    // The weights are 32-bit floats widened to double, which moves exact halves off the middle:
    // 0.7f is a little below 0.7.
    EXPECT_EQ(blend(5, 0, static_cast<double>(0.7f)), 3); // 3.49999994
    EXPECT_EQ(blend(5, 0, 0.7), 4);                       // 3.5
    EXPECT_EQ(blend(1, 6, static_cast<double>(0.7f)), 3); // 2.50000006
    EXPECT_EQ(blend(1, 6, 0.7), 2);                       // 2.5
}

TEST(PointAngle, ClockwiseOnScreenFromThePositiveXAxis) {
    const Point o{500, 500};
    const struct {
        Point to;
        int expected;
    } table[] = {
        {{600, 500}, 0},    {{500, 600}, 90},  {{400, 500}, 180}, {{500, 400}, 270}, // axes
        {{600, 600}, 45},   {{400, 600}, 135}, {{400, 400}, 225}, {{600, 400}, 315}, // diagonals
        {{500, 500}, 0},                                                             // same point
        {{1500, 499}, 360}, // just above the x axis rounds up to 360, not 0
        {{1500, 501}, 0},   {{600, 510}, 6},   {{490, 400}, 264}, {{400, 499}, 181},
    };
    for (const auto& row : table)
        EXPECT_EQ(pointAngle(o, row.to), row.expected) << row.to.x << "," << row.to.y;
}

TEST(PointDistance, RoundsTheStraightDistance) {
    EXPECT_EQ(pointDistance({500, 500}, {530, 470}), 42); // 42.43
    EXPECT_EQ(pointDistance({0, 0}, {3, 4}), 5);
    EXPECT_EQ(pointDistance({10, 10}, {10, 10}), 0);
}

} // namespace
} // namespace flickmark
