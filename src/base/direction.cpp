#include "base/direction.h"

#include <algorithm>
#include <array>
#include <utility>

namespace flickmark {
namespace {

constexpr std::array<std::string_view, 9> kNames = {"Up", "Down", "Left", "Right", "NE",
                                                    "NW", "SE",   "SW",   "None"};
constexpr std::array<std::string_view, 8> kUpperNames = {"UP", "DOWN", "LEFT", "RIGHT",
                                                         "NE", "NW",   "SE",   "SW"};
constexpr std::array<int, 8> kAngles = {270, 90, 180, 0, 315, 225, 45, 135};

} // namespace

std::string_view directionName(Direction d) {
    return toIndex(d) < kNames.size() ? kNames[toIndex(d)] : std::string_view{};
}

std::string_view directionUpperName(Direction d) {
    return toIndex(d) < kUpperNames.size() ? kUpperNames[toIndex(d)] : std::string_view{};
}

std::optional<int> directionAngle(Direction d) {
    if (toIndex(d) < kAngles.size())
        return kAngles[toIndex(d)];
    return std::nullopt;
}

bool areAdjacent(Direction a, Direction b) {
    if (isDiagonal(a) && isCardinal(b))
        std::swap(a, b);
    if (!isCardinal(a) || !isDiagonal(b))
        return false;
    switch (a) {
    case Direction::Up:
        return b == Direction::NE || b == Direction::NW;
    case Direction::Down:
        return b == Direction::SE || b == Direction::SW;
    case Direction::Left:
        return b == Direction::NW || b == Direction::SW;
    default: // Right
        return b == Direction::NE || b == Direction::SE;
    }
}

bool angleBetween(Direction a, Direction b, int angle) {
    if (!areAdjacent(a, b))
        return false;
    const int x = *directionAngle(a);
    const int y = *directionAngle(b);
    return angle >= std::min(x, y) && angle <= std::max(x, y);
}

std::string gestureDisplayName(std::string_view gesture) {
    std::string name;
    for (char c : gesture) {
        const Direction d = directionFromDigit(c);
        if (d == Direction::None)
            continue;
        if (!name.empty())
            name += '+';
        name += directionUpperName(d);
    }
    return name;
}

bool isGestureString(std::string_view text) {
    if (text.empty())
        return false;
    char previous = 0;
    for (char c : text) {
        if (c < '0' || c > '7' || c == previous)
            return false;
        previous = c;
    }
    return true;
}

} // namespace flickmark
