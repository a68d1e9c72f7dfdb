#include "editors/side_panel_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace flickmark {
namespace {

// The picture is laid out on this grid (the installer's pixels) and scaled to the height asked for.
constexpr double kGridWidth = 164;
constexpr double kGridHeight = 314;

struct Color {
    double r, g, b;
};

constexpr Color kTop{43, 110, 214};
constexpr Color kBottom{14, 48, 122};
constexpr Color kWhite{255, 255, 255};

struct Vec {
    double x, y;
};

Color mix(Color under, Color over, double alpha) {
    return {under.r + (over.r - under.r) * alpha, under.g + (over.g - under.g) * alpha,
            under.b + (over.b - under.b) * alpha};
}

// Distance from a point to a segment of `width`, negative inside.
double segmentDistance(Vec p, Vec a, Vec b, double width) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy) - width / 2;
}

// Distance to a convex triangle whose corners run clockwise on the screen.
double triangleDistance(Vec p, const std::array<Vec, 3>& corners) {
    double distance = -1e9;
    for (std::size_t i = 0; i < 3; ++i) {
        const Vec a = corners[i];
        const Vec b = corners[(i + 1) % 3];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        distance =
            std::max(distance, (p.x - a.x) * (b.y - a.y) / length - (p.y - a.y) * (b.x - a.x) / length);
    }
    return distance;
}

double coverage(double distance) {
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

// The gesture on the grid: pressed at the ring, drawn up, then right into the arrowhead.
constexpr Vec kStart{50, 226};
constexpr Vec kCorner{50, 116};
constexpr Vec kEnd{104, 116};
constexpr std::array<Vec, 3> kHead{
    {{kEnd.x - 2, kEnd.y - 21}, {kEnd.x + 26, kEnd.y}, {kEnd.x - 2, kEnd.y + 21}}};

double trail(Vec p, double width) {
    return std::min(segmentDistance(p, kStart, kCorner, width), segmentDistance(p, kCorner, kEnd, width));
}

std::uint32_t packed(Color c) {
    const auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

} // namespace

PanelPicture renderSidePanel(int width, int height) {
    PanelPicture picture;
    if (width < 1 || height < 1)
        return picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const double scale = height / kGridHeight;
    // The gesture (about x 20 to 130 on the grid) centred across the width.
    const double offset = (width / scale - kGridWidth) / 2;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Distances on the grid, then back to pixels, so edges stay one pixel soft at every size.
            const Vec p{(x + 0.5) / scale - offset, (y + 0.5) / scale};
            const double shade = std::clamp((y + 0.5) / height * 0.85 + (x + 0.5) / width * 0.15, 0.0, 1.0);
            Color color = mix(kTop, kBottom, shade);
            const double glow = std::min(trail(p, 34), std::hypot(p.x - kStart.x, p.y - kStart.y) - 30);
            color = mix(color, kWhite, 0.10 * coverage(glow * scale));
            const double ring = std::abs(std::hypot(p.x - kStart.x, p.y - kStart.y) - 20) - 1.5;
            color = mix(color, kWhite, 0.55 * coverage(ring * scale));
            const double mark = std::min(trail(p, 14), triangleDistance(p, kHead));
            color = mix(color, kWhite, coverage(mark * scale));
            picture.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)] = packed(color);
        }
    }
    return picture;
}

} // namespace flickmark
