#include "recognizer/angle_bands.h"

#include <cstdlib>

namespace flickmark {

bool classifyAngle(int angle, bool diagonals, bool deadZone, AngleCandidates& c) {
    const int a = angle;
    if (a >= 315 || a < 45)
        c.horizontal = dir::Right;
    else if (a < 135)
        c.vertical = dir::Down;
    else if (a < 225)
        c.horizontal = dir::Left;
    else
        c.vertical = dir::Up;

    if (!diagonals)
        return false;
    c.east = dir::None;
    c.west = dir::None;
    if (a >= 295 && a < 335) {
        c.east = dir::NE;
        c.horizontal = dir::Right;
        c.vertical = dir::Up;
    } else if (a >= 25 && a < 65) {
        c.east = dir::SE;
        c.horizontal = dir::Right;
        c.vertical = dir::Down;
    } else if (a >= 205 && a < 245) {
        c.west = dir::NW;
        c.horizontal = dir::Left;
        c.vertical = dir::Up;
    } else if (a >= 115 && a < 155) {
        c.west = dir::SW;
        c.horizontal = dir::Left;
        c.vertical = dir::Down;
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
    if (c.vertical != dir::None && c.horizontal != dir::None) {
        if (diagonals)
            return c.east != dir::None ? c.east : c.west;
        return std::llabs(avgX) > std::llabs(avgY) ? c.horizontal : c.vertical;
    }
    return c.vertical != dir::None ? c.vertical : c.horizontal;
}

} // namespace flickmark
