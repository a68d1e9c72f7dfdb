#include "editors/side_panel_art.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

int red(std::uint32_t pixel) {
    return static_cast<int>(pixel >> 16 & 0xFF);
}
int blue(std::uint32_t pixel) {
    return static_cast<int>(pixel & 0xFF);
}

// The installer's picture at any size: lighter at the top, the mark white on it, its edges smoothed.
TEST(SidePanelArt, TheMarkIsWhiteOnABlueFieldWithSoftEdgesAtEverySize) {
    for (const auto& [width, height] : {std::pair{126, 255}, std::pair{189, 383}, std::pair{164, 314}}) {
        const PanelPicture picture = renderSidePanel(width, height);
        ASSERT_EQ(picture.pixels.size(), static_cast<std::size_t>(width * height));
        const double scale = height / 314.0;
        const int shift = static_cast<int>((width / scale - 164) / 2 * scale);
        const auto at = [&](double gx, double gy) {
            return picture.pixel(static_cast<int>(gx * scale) + shift, static_cast<int>(gy * scale));
        };
        EXPECT_GT(blue(picture.pixel(2, 2)), blue(picture.pixel(2, height - 3))) << "lit from the top";
        EXPECT_LT(red(picture.pixel(2, 2)), 80) << "blue, not white";
        EXPECT_EQ(at(50, 170), 0xFFFFFFu) << "the stroke up";
        EXPECT_EQ(at(80, 116), 0xFFFFFFu) << "the stroke right";
        EXPECT_EQ(at(115, 116), 0xFFFFFFu) << "the arrowhead";
        // The arrowhead's slanted edges pass through colours between blue and white.
        int between = 0;
        for (const std::uint32_t pixel : picture.pixels)
            between += red(pixel) > 120 && red(pixel) < 230;
        EXPECT_GE(between, 20) << width;
    }
    EXPECT_TRUE(renderSidePanel(0, 10).pixels.empty());
}

} // namespace
} // namespace flickmark
