#include "popup/arrow_image.h"

#include <gtest/gtest.h>

#include <cmath>

namespace flickmark {
namespace {

// Blue arrow on a white tile with a red border: ink is measured as blue beyond green, which the
// background and the border do not have.
const ArrowTileColors kColors{0xFFFFFF, 0xFF0000, 0x0000FF};

double alphaOf(std::uint32_t p) {
    return (p >> 24) / 255.0;
}

// 1 for a pixel fully covered by the arrow, 0 for tile background or transparent pixels.
double inkOf(const ArgbImage& image, int x, int y) {
    const std::uint32_t p = image.pixel(x, y);
    const double alpha = alphaOf(p);
    if (alpha == 0.0)
        return 0.0;
    const double blue = (p & 0xFF) / 255.0 / alpha; // unpremultiplied
    const double green = ((p >> 8) & 0xFF) / 255.0 / alpha;
    return std::clamp(blue - green, 0.0, 1.0);
}

struct Axis {
    double x;
    double y;
};

Axis axisOf(Direction d) {
    const double h = std::sqrt(0.5);
    switch (d) {
    case Direction::Up:
        return {0, -1};
    case Direction::Down:
        return {0, 1};
    case Direction::Left:
        return {-1, 0};
    case Direction::Right:
        return {1, 0};
    case Direction::NE:
        return {h, -h};
    case Direction::NW:
        return {-h, -h};
    case Direction::SE:
        return {h, h};
    default:
        return {-h, h};
    }
}

// Total ink in a band across the arrow's axis, at `offset` tile sides from the centre along the axis.
double inkAcross(const ArgbImage& image, Axis axis, double offset) {
    const double c = image.width / 2.0;
    double total = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double along = ((x + 0.5 - c) * axis.x + (y + 0.5 - c) * axis.y) / image.width;
            if (std::abs(along - offset) < 0.04)
                total += inkOf(image, x, y);
        }
    }
    return total;
}

TEST(ArrowImage, EveryArrowPointsItsWay) {
    for (const Direction d : kGestureDirections) {
        const ArgbImage image = renderArrowTile(d, 96, 1, kColors);
        ASSERT_EQ(image.width, 96);
        ASSERT_EQ(image.height, 96);
        const Axis axis = axisOf(d);
        // The farthest ink along the axis is the tip, on the axis and well away from the centre.
        double farthest = -1;
        double across = 0;
        const double c = 48;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 96; ++x) {
                if (inkOf(image, x, y) < 0.5)
                    continue;
                const double px = x + 0.5 - c;
                const double py = y + 0.5 - c;
                const double along = px * axis.x + py * axis.y;
                if (along > farthest) {
                    farthest = along;
                    across = std::abs(px * axis.y - py * axis.x);
                }
            }
        }
        EXPECT_GT(farthest, 0.25 * 96) << int(d);
        EXPECT_LT(across, 3.0) << int(d);
        // The head (ahead of the centre) is wider than the shaft behind it.
        EXPECT_GT(inkAcross(image, axis, 0.05), 1.5 * inkAcross(image, axis, -0.2)) << int(d);
        EXPECT_GT(inkAcross(image, axis, -0.2), 0.0) << int(d);
    }
}

TEST(ArrowImage, TileHasTransparentRoundedCornersAndAnOpaqueInside) {
    const ArgbImage image = renderArrowTile(Direction::Up, 48, 1, kColors);
    for (const auto& [x, y] : {std::pair{0, 0}, {47, 0}, {0, 47}, {47, 47}})
        EXPECT_EQ(image.pixel(x, y), 0u) << x << "," << y;
    EXPECT_EQ(alphaOf(image.pixel(24, 2)), 1.0);
    EXPECT_EQ(image.pixel(5, 24), 0xFFFFFFFFu); // background inside the border
    EXPECT_EQ(image.pixel(0, 24), 0xFFFF0000u); // the border
}

TEST(ArrowImage, PixelsArePremultipliedAndTheUpArrowIsSymmetric) {
    const ArgbImage image =
        renderArrowTile(Direction::Up, 61, 2, ArrowTileColors{0x2050F0, 0xF0F0F0, 0xFFFFFF});
    for (int y = 0; y < 61; ++y) {
        for (int x = 0; x < 61; ++x) {
            const std::uint32_t p = image.pixel(x, y);
            const std::uint32_t a = p >> 24;
            EXPECT_LE((p >> 16) & 0xFF, a);
            EXPECT_LE((p >> 8) & 0xFF, a);
            EXPECT_LE(p & 0xFF, a);
            EXPECT_EQ(p, image.pixel(60 - x, y)) << x << "," << y;
        }
    }
}

TEST(ArrowImage, NoneGivesAnEmptyTileAndTinySizesStillWork) {
    const ArgbImage none = renderArrowTile(Direction::None, 48, 1, kColors);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            EXPECT_EQ(inkOf(none, x, y), 0.0);
    EXPECT_EQ(renderArrowTile(Direction::Up, 0, 1, kColors).pixels.size(), 0u);
    EXPECT_EQ(renderArrowTile(Direction::Up, 1, 1, kColors).pixels.size(), 1u);
}

TEST(ArrowImage, MixColorsBlendsEachChannel) {
    EXPECT_EQ(mixColors(0x000000, 0xFFFFFF, 0.5), 0x808080u);
    EXPECT_EQ(mixColors(0xFF0000, 0x0000FF, 0.0), 0xFF0000u);
    EXPECT_EQ(mixColors(0xFF0000, 0x0000FF, 1.0), 0x0000FFu);
    EXPECT_EQ(mixColors(0x102030, 0x102030, 0.3), 0x102030u);
}

} // namespace
} // namespace flickmark
