#include "recognizer/angle_bands.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

constexpr Direction N = dir::None;

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
        {0, N, dir::Right, N, N},  {44, N, dir::Right, N, N},  {45, dir::Down, N, N, N},
        {90, dir::Down, N, N, N},  {134, dir::Down, N, N, N},  {135, N, dir::Left, N, N},
        {224, N, dir::Left, N, N}, {225, dir::Up, N, N, N},    {270, dir::Up, N, N, N},
        {314, dir::Up, N, N, N},   {315, N, dir::Right, N, N}, {360, N, dir::Right, N, N},
        {20, N, dir::Right, N, N}, // no dead zone without diagonals
    };
    for (const auto& row : table) {
        expectBands(row, false, true);
        expectBands(row, false, false);
    }
}

TEST(AngleBands, DiagonalBandsSetBothNeighbouringCardinals) {
    const BandRow table[] = {
        {294, dir::Up, N, N, N},
        {295, dir::Up, dir::Right, dir::NE, N},
        {315, dir::Up, dir::Right, dir::NE, N},
        {334, dir::Up, dir::Right, dir::NE, N},
        {335, N, dir::Right, N, N},
        {25, dir::Down, dir::Right, dir::SE, N},
        {45, dir::Down, dir::Right, dir::SE, N},
        {64, dir::Down, dir::Right, dir::SE, N},
        {65, dir::Down, N, N, N},
        {115, dir::Down, dir::Left, N, dir::SW},
        {135, dir::Down, dir::Left, N, dir::SW},
        {154, dir::Down, dir::Left, N, dir::SW},
        {205, dir::Up, dir::Left, N, dir::NW},
        {225, dir::Up, dir::Left, N, dir::NW},
        {244, dir::Up, dir::Left, N, dir::NW},
        {245, dir::Up, N, N, N},
        {0, N, dir::Right, N, N},
        {360, N, dir::Right, N, N},
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
    EXPECT_EQ(c.horizontal, dir::Right);
    EXPECT_EQ(c.vertical, dir::Up);

    c = {};
    classifyAngle(315, true, true, c); // NE
    classifyAngle(270, true, true, c); // no diagonal band: NE is dropped
    EXPECT_EQ(c.east, N);
    EXPECT_EQ(c.vertical, dir::Up);
    EXPECT_EQ(c.horizontal, dir::Right);
}

TEST(CombineCandidates, PicksOneDirection) {
    const struct {
        AngleCandidates c;
        bool diagonals;
        int avgX, avgY;
        Direction expected;
    } table[] = {
        {{N, N, N, N}, false, 0, 0, N},
        {{dir::Up, N, N, N}, false, 50, 0, dir::Up},
        {{N, dir::Left, N, N}, false, 0, 50, dir::Left},
        // Both cardinals without diagonals: the faster axis, a tie to vertical.
        {{dir::Up, dir::Right, N, N}, false, 10, -9, dir::Right},
        {{dir::Up, dir::Right, N, N}, false, -9, 10, dir::Up},
        {{dir::Up, dir::Right, N, N}, false, 10, -10, dir::Up},
        // With diagonals the diagonal candidate decides, east first, even when it is None.
        {{dir::Up, dir::Right, dir::NE, N}, true, 50, 0, dir::NE},
        {{dir::Down, dir::Left, N, dir::SW}, true, 0, 0, dir::SW},
        {{dir::Up, dir::Left, dir::SE, dir::NW}, true, 0, 0, dir::SE},
        {{dir::Up, dir::Right, N, N}, true, 50, 0, N},
        {{N, dir::Right, dir::NE, N}, true, 0, 0, dir::Right},
    };
    for (const auto& row : table)
        EXPECT_EQ(combineCandidates(row.c, row.diagonals, row.avgX, row.avgY), row.expected)
            << int(row.c.vertical) << " " << int(row.c.horizontal) << " " << int(row.c.east) << " "
            << int(row.c.west) << " diagonals " << row.diagonals;
}

} // namespace
} // namespace flickmark
