// Turning an angle from the anchor into direction candidates, and the candidates into one direction.
#pragma once

#include "base/direction.h"

namespace flickmark {

// What the angle classification of one tick proposes; None where nothing is proposed.
struct AngleCandidates {
    Direction vertical = Direction::None;   // Up or Down
    Direction horizontal = Direction::None; // Left or Right
    Direction east = Direction::None;       // NE or SE
    Direction west = Direction::None;       // NW or SW
};

// Sets the candidates of the bands `angle` (0..360) falls in and keeps the others: one cardinal band of
// 90 degrees (Right is 315..44, Down 45..134, Left 135..224, Up 225..314), and with diagonals a band of
// 40 degrees centred on a diagonal, which also sets both cardinals beside it (both diagonal candidates are
// cleared first). With diagonals and `deadZone`, the strips 17..23 and 67..73 degrees past each axis, between
// a diagonal band and the cardinal beside it, clear all four candidates; returns true when that happened.
bool classifyAngle(int angle, bool diagonals, bool deadZone, AngleCandidates& candidates);

// The current direction from the candidates. When both a vertical and a horizontal candidate stand, a
// diagonal candidate decides with diagonals enabled (east first), else the faster axis of the speed averages
// (a tie goes to vertical). Otherwise the vertical candidate, else the horizontal one.
Direction combineCandidates(const AngleCandidates& candidates, bool diagonals, int avgX, int avgY);

} // namespace flickmark
