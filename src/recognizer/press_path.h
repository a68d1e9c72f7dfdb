// The cursor path of one press, kept for recognition from the whole path at release.
//
// Bounded and cheap per tick: a point closer than a few pixels to the last one kept is jitter and is not
// kept (slow movement still adds up to a kept point), and when the store is full every second point goes,
// the first and the newest staying, so a press of any length keeps its shape at a coarser grain. Never
// allocates.
#pragma once

#include "base/geometry.h"

#include <array>
#include <cstddef>
#include <span>

namespace flickmark {

class PressPath {
public:
    // Room for a 40-second press drawn without a rest; longer ones are thinned.
    static constexpr std::size_t kCapacity = 512;
    // Moves shorter than this (pixels, in both axes) from the last kept point are not kept.
    static constexpr int kJitterStep = 3;

    void clear() { count_ = 0; }
    void add(Point cursor);
    std::span<const Point> points() const { return {points_.data(), count_}; }

private:
    void thin();

    std::array<Point, kCapacity> points_{};
    std::size_t count_ = 0;
};

} // namespace flickmark
