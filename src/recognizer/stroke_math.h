// Arithmetic of the recognizer: rounding, the weighted running average, angles and distances between
// screen points. Angles are whole degrees clockwise on screen: 0 right, 90 down, 180 left, 270 up.
#pragma once

#include "base/geometry.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace flickmark {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2) whatever the floating-point
// environment says. Saturates at the int range; NaN gives 0.
inline int roundHalfEven(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    const double below = std::floor(v);
    const double fraction = v - below; // exact for every value in the int range
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<int>(up ? below + 1.0 : below);
}

// to - from without overflow: screen coordinates may lie anywhere in the int range.
inline long long difference(int from, int to) {
    return static_cast<long long>(to) - from;
}

// |a - b| without overflow.
inline long long absDiff(int a, int b) {
    return std::llabs(difference(b, a));
}

// Running average: weight * sample + (1 - weight) * previous, rounded; a zero sample counts as the previous
// value, so it leaves the average unchanged.
int blend(int sample, int previous, double weight);

// Angle from one point to another, 0..360 (360 only by rounding just below the positive x axis);
// 0 when the points coincide.
int pointAngle(Point from, Point to);

// Rounded straight distance between two points.
int pointDistance(Point from, Point to);

} // namespace flickmark
