#include "recognizer/angle_bands.h"

#include <cstdlib>

namespace flickmark {

bool classifyAngle(int angle, bool diagonals, bool deadZone, AngleCandidates& c) {
    const int a = angle;
    if (a >= 315 || a < 45)
        c.horizontal = Direction::Right;
    else if (a < 135)
        c.vertical = Direction::Down;
    else if (a < 225)
        c.horizontal = Direction::Left;
    else
        c.vertical = Direction::Up;

    if (!diagonals)
        return false;
    c.east = Direction::None;
    c.west = Direction::None;
    if (a >= 295 && a < 335) {
        c.east = Direction::NE;
        c.horizontal = Direction::Right;
        c.vertical = Direction::Up;
    } else if (a >= 25 && a < 65) {
        c.east = Direction::SE;
        c.horizontal = Direction::Right;
        c.vertical = Direction::Down;
    } else if (a >= 205 && a < 245) {
        c.west = Direction::NW;
        c.horizontal = Direction::Left;
        c.vertical = Direction::Up;
    } else if (a >= 115 && a < 155) {
        c.west = Direction::SW;
        c.horizontal = Direction::Left;
        c.vertical = Direction::Down;
    }

    if (!deadZone)
        return false;
    const int r = a % 90;
    if ((r > 16 && r < 24) || (r > 66 && r < 74)) {
        c = AngleCandidates{};
        return true;
    }
    return false;
}

Direction combineCandidates(const AngleCandidates& c, bool diagonals, int avgX, int avgY) {
    if (c.vertical != Direction::None && c.horizontal != Direction::None) {
        if (diagonals)
            return c.east != Direction::None ? c.east : c.west;
        return std::llabs(avgX) > std::llabs(avgY) ? c.horizontal : c.vertical;
    }
    return c.vertical != Direction::None ? c.vertical : c.horizontal;
}

} // namespace flickmark
