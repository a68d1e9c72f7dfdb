// The direction arrows of the arrow popup, drawn as vector shapes at any pixel size: a rounded tile with
// a thin border and the arrow in the middle, antialiased by supersampling.
#pragma once

#include "base/direction.h"

#include <cstdint>
#include <vector>

namespace flickmark {

// Pixels as 0xAARRGGBB with the colour premultiplied by alpha, rows top to bottom: the memory layout of a
// 32-bit top-down device-independent bitmap as layered windows take it.
struct ArgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// Colours as 0xRRGGBB.
struct ArrowTileColors {
    std::uint32_t background = 0xFFFFE1;
    std::uint32_t border = 0x767676;
    std::uint32_t ink = 0x000000;
};

// A square tile `size` pixels wide with a border `borderWidth` pixels wide and rounded corners (outside
// them the tile is transparent). The arrow points in `direction`; None and unknown codes give an empty
// tile. Sizes below 1 give an empty image.
ArgbImage renderArrowTile(Direction direction, int size, int borderWidth, const ArrowTileColors& colors);

// The colour `amount` (0..1) of the way from `from` to `to`, per channel, rounded; both as 0xRRGGBB.
std::uint32_t mixColors(std::uint32_t from, std::uint32_t to, double amount);

} // namespace flickmark
