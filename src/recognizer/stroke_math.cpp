#include "recognizer/stroke_math.h"

#include <numbers>

namespace flickmark {
namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

} // namespace

int blend(int sample, int previous, double weight) {
    const double s = sample != 0 ? sample : previous;
    return roundHalfEven(weight * s + (1.0 - weight) * previous);
}

int pointAngle(Point from, Point to) {
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    if (dx > 0) {
        if (dy >= 0)
            return roundHalfEven(std::atan(dy / dx) * kDegreesPerRadian);
        return roundHalfEven((std::atan(dy / dx) + 2.0 * std::numbers::pi) * kDegreesPerRadian);
    }
    if (dx < 0)
        return roundHalfEven((std::atan(dy / dx) + std::numbers::pi) * kDegreesPerRadian);
    if (dy > 0)
        return 90;
    return dy < 0 ? 270 : 0;
}

int pointDistance(Point from, Point to) {
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    return roundHalfEven(std::sqrt(dx * dx + dy * dy));
}

} // namespace flickmark
