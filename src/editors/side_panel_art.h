// The picture on the left of the gesture wizard, the installer's own at any size: a blue field lit from the
// top left with a gesture drawn on it (pressed at a ring, up, then right into an arrowhead), its edges
// smoothed by each shape's distance to the pixel's centre.
#pragma once

#include <cstdint>
#include <vector>

namespace flickmark {

// Pixels as 0x00RRGGBB, rows top to bottom.
struct PanelPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The picture scaled to `height`, the gesture centred across `width`; an empty picture for sizes below 1.
PanelPicture renderSidePanel(int width, int height);

} // namespace flickmark
