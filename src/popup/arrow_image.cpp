#include "popup/arrow_image.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace flickmark {
namespace {

struct Vec {
    double x;
    double y;
};

// The upward arrow in tile units (0..1, y downwards), symmetric about x = 0.5: a triangular head on a
// straight shaft. Every other direction is this shape turned or mirrored.
constexpr std::array<Vec, 7> kUpArrow{{
    {0.50, 0.15}, // tip
    {0.80, 0.49},
    {0.60, 0.49},
    {0.60, 0.86},
    {0.40, 0.86},
    {0.40, 0.49},
    {0.20, 0.49},
}};

constexpr double kCornerRadius = 0.16; // of the tile side
constexpr int kSamplesPerAxis = 5;

// Even-odd rule.
bool insideArrow(Vec p) {
    bool inside = false;
    for (std::size_t i = 0, j = kUpArrow.size() - 1; i < kUpArrow.size(); j = i++) {
        const Vec a = kUpArrow[i];
        const Vec b = kUpArrow[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            const double crossX = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < crossX)
                inside = !inside;
        }
    }
    return inside;
}

bool insideRoundedSquare(double x, double y, double lo, double hi, double radius) {
    if (x < lo || x > hi || y < lo || y > hi)
        return false;
    const double cx = std::clamp(x, lo + radius, hi - radius);
    const double cy = std::clamp(y, lo + radius, hi - radius);
    const double dx = x - cx;
    const double dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

// Maps a point of the tile (tile units) to the frame of the upward arrow.
Vec toUpFrame(Direction direction, Vec p) {
    constexpr double kHalfRoot2 = 0.70710678118654752440;
    switch (direction) {
    case Direction::Up:
        return p;
    case Direction::Down:
        return {p.x, 1.0 - p.y};
    case Direction::Left: // the up arrow turned a quarter anticlockwise
        return {1.0 - p.y, p.x};
    case Direction::Right: // turned a quarter clockwise
        return {p.y, 1.0 - p.x};
    case Direction::NW:
        return toUpFrame(Direction::NE, {1.0 - p.x, p.y});
    case Direction::SE:
        return toUpFrame(Direction::NE, {p.x, 1.0 - p.y});
    case Direction::SW:
        return toUpFrame(Direction::NE, {1.0 - p.x, 1.0 - p.y});
    case Direction::NE: { // turned an eighth clockwise: turn the point an eighth back
        const double dx = p.x - 0.5;
        const double dy = p.y - 0.5;
        return {0.5 + (dx + dy) * kHalfRoot2, 0.5 + (dy - dx) * kHalfRoot2};
    }
    default:
        return {-1.0, -1.0}; // outside the arrow
    }
}

std::uint32_t channel(std::uint32_t rgb, int shift) {
    return (rgb >> shift) & 0xFFu;
}

} // namespace

ArgbImage renderArrowTile(Direction direction, int size, int borderWidth, const ArrowTileColors& colors) {
    ArgbImage image;
    if (size < 1)
        return image;
    image.width = size;
    image.height = size;
    image.pixels.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);

    const double side = size;
    const double border = std::clamp(borderWidth, 0, size / 2);
    const double radius = kCornerRadius * side;
    const double innerRadius = std::max(radius - border, 0.0);
    // Sample positions are odd multiples of 1 / (2 n) pixels: never exactly on a shape edge given in whole
    // or half pixels, and mirror-symmetric within the tile.
    const int denominator = 2 * kSamplesPerAxis;
    const int samples = kSamplesPerAxis * kSamplesPerAxis;

    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            int borderCount = 0;
            int fillCount = 0;
            int inkCount = 0;
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                const double y = (2.0 * (py * kSamplesPerAxis + sy) + 1.0) / denominator;
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    const double x = (2.0 * (px * kSamplesPerAxis + sx) + 1.0) / denominator;
                    if (!insideRoundedSquare(x, y, 0.0, side, radius))
                        continue;
                    if (!insideRoundedSquare(x, y, border, side - border, innerRadius))
                        ++borderCount;
                    else if (insideArrow(toUpFrame(direction, Vec{x / side, y / side})))
                        ++inkCount;
                    else
                        ++fillCount;
                }
            }
            const int covered = borderCount + fillCount + inkCount;
            if (covered == 0)
                continue;
            const auto premultiplied = [&](int shift) {
                const std::uint32_t sum =
                    channel(colors.border, shift) * static_cast<std::uint32_t>(borderCount) +
                    channel(colors.background, shift) * static_cast<std::uint32_t>(fillCount) +
                    channel(colors.ink, shift) * static_cast<std::uint32_t>(inkCount);
                return (sum + samples / 2) / samples;
            };
            const std::uint32_t alpha = (255u * static_cast<std::uint32_t>(covered) + samples / 2) / samples;
            image.pixels[static_cast<std::size_t>(py) * static_cast<std::size_t>(size) +
                         static_cast<std::size_t>(px)] =
                alpha << 24 | premultiplied(16) << 16 | premultiplied(8) << 8 | premultiplied(0);
        }
    }
    return image;
}

std::uint32_t mixColors(std::uint32_t from, std::uint32_t to, double amount) {
    const double t = std::clamp(amount, 0.0, 1.0);
    std::uint32_t out = 0;
    for (const int shift : {16, 8, 0}) {
        const double a = channel(from, shift);
        const double b = channel(to, shift);
        out |= static_cast<std::uint32_t>(std::lround(a + (b - a) * t)) << shift;
    }
    return out;
}

} // namespace flickmark
