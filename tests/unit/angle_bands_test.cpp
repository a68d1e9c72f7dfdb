#include "recognizer/angle_bands.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

constexpr Direction N = Direction::None;

AngleCandidates classified(int angle, bool diagonals, bool deadZone) {
    AngleCandidates c;
    classifyAngle(angle, diagonals, deadZone, c);
    return c;
}

struct BandRow {
    int angle;
    Direction vertical, horizontal, east, west;
};

void expectBands(const BandRow& row, bool diagonals, bool deadZone) {
    const AngleCandidates c = classified(row.angle, diagonals, deadZone);
    EXPECT_EQ(c.vertical, row.vertical) << "angle " << row.angle;
    EXPECT_EQ(c.horizontal, row.horizontal) << "angle " << row.angle;
    EXPECT_EQ(c.east, row.east) << "angle " << row.angle;
    EXPECT_EQ(c.west, row.west) << "angle " << row.angle;
}

TEST(AngleBands, CardinalQuadrantsWithoutDiagonals) {
    const BandRow table[] = {
        {0, N, Direction::Right, N, N},  {44, N, Direction::Right, N, N},  {45, Direction::Down, N, N, N},
        {90, Direction::Down, N, N, N},  {134, Direction::Down, N, N, N},  {135, N, Direction::Left, N, N},
        {224, N, Direction::Left, N, N}, {225, Direction::Up, N, N, N},    {270, Direction::Up, N, N, N},
        {314, Direction::Up, N, N, N},   {315, N, Direction::Right, N, N}, {360, N, Direction::Right, N, N},
        {20, N, Direction::Right, N, N}, // no dead zone without diagonals
    };
    for (const auto& row : table) {
        expectBands(row, false, true);
        expectBands(row, false, false);
    }
}

TEST(AngleBands, DiagonalBandsSetBothNeighbouringCardinals) {
    const BandRow table[] = {
        {294, Direction::Up, N, N, N},
        {295, Direction::Up, Direction::Right, Direction::NE, N},
        {315, Direction::Up, Direction::Right, Direction::NE, N},
        {334, Direction::Up, Direction::Right, Direction::NE, N},
        {335, N, Direction::Right, N, N},
        {25, Direction::Down, Direction::Right, Direction::SE, N},
        {45, Direction::Down, Direction::Right, Direction::SE, N},
        {64, Direction::Down, Direction::Right, Direction::SE, N},
        {65, Direction::Down, N, N, N},
        {115, Direction::Down, Direction::Left, N, Direction::SW},
        {135, Direction::Down, Direction::Left, N, Direction::SW},
        {154, Direction::Down, Direction::Left, N, Direction::SW},
        {205, Direction::Up, Direction::Left, N, Direction::NW},
        {225, Direction::Up, Direction::Left, N, Direction::NW},
        {244, Direction::Up, Direction::Left, N, Direction::NW},
        {245, Direction::Up, N, N, N},
        {0, N, Direction::Right, N, N},
        {360, N, Direction::Right, N, N},
    };
    for (const auto& row : table)
        expectBands(row, true, false);
}

TEST(AngleBands, DeadZoneStripsBesideEachDiagonalBandClearEverything) {
    for (int axis : {0, 90, 180, 270}) {
        for (int offset = 0; offset < 90; ++offset) {
            const int angle = axis + offset;
            const bool inStrip = (offset > 16 && offset < 24) || (offset > 66 && offset < 74);
            AngleCandidates c;
            EXPECT_EQ(classifyAngle(angle, true, true, c), inStrip) << angle;
            if (inStrip) {
                EXPECT_EQ(c.vertical, N);
                EXPECT_EQ(c.horizontal, N);
                EXPECT_EQ(c.east, N);
                EXPECT_EQ(c.west, N);
            }
            // The variant without dead zone and the classifier without diagonals never clear.
            AngleCandidates plain;
            EXPECT_FALSE(classifyAngle(angle, true, false, plain));
            EXPECT_FALSE(classifyAngle(angle, false, true, plain));
        }
    }
}

TEST(AngleBands, LaterClassificationKeepsEarlierCardinalsButClearsDiagonals) {
    AngleCandidates c;
    classifyAngle(10, true, true, c);  // Right
    classifyAngle(270, true, true, c); // Up: the Right from before stays
    EXPECT_EQ(c.horizontal, Direction::Right);
    EXPECT_EQ(c.vertical, Direction::Up);

    c = {};
    classifyAngle(315, true, true, c); // NE
    classifyAngle(270, true, true, c); // no diagonal band: NE is dropped
    EXPECT_EQ(c.east, N);
    EXPECT_EQ(c.vertical, Direction::Up);
    EXPECT_EQ(c.horizontal, Direction::Right);
}

TEST(CombineCandidates, PicksOneDirection) {
    const struct {
        AngleCandidates c;
        bool diagonals;
        int avgX, avgY;
        Direction expected;
    } table[] = {
        {{N, N, N, N}, false, 0, 0, N},
        {{Direction::Up, N, N, N}, false, 50, 0, Direction::Up},
        {{N, Direction::Left, N, N}, false, 0, 50, Direction::Left},
        // Both cardinals without diagonals: the faster axis, a tie to vertical.
        {{Direction::Up, Direction::Right, N, N}, false, 10, -9, Direction::Right},
        {{Direction::Up, Direction::Right, N, N}, false, -9, 10, Direction::Up},
        {{Direction::Up, Direction::Right, N, N}, false, 10, -10, Direction::Up},
        // With diagonals the diagonal candidate decides, east first, even when it is None.
        {{Direction::Up, Direction::Right, Direction::NE, N}, true, 50, 0, Direction::NE},
        {{Direction::Down, Direction::Left, N, Direction::SW}, true, 0, 0, Direction::SW},
        {{Direction::Up, Direction::Left, Direction::SE, Direction::NW}, true, 0, 0, Direction::SE},
        {{Direction::Up, Direction::Right, N, N}, true, 50, 0, N},
        {{N, Direction::Right, Direction::NE, N}, true, 0, 0, Direction::Right},
    };
    for (const auto& row : table)
        EXPECT_EQ(combineCandidates(row.c, row.diagonals, row.avgX, row.avgY), row.expected)
            << int(row.c.vertical) << " " << int(row.c.horizontal) << " " << int(row.c.east) << " "
            << int(row.c.west) << " diagonals " << row.diagonals;
}

} // namespace
} // namespace flickmark
