// Recognition from the whole path of a press: the path is split into strokes at its corners and each
// stroke gets a direction code, with the direction bands and minimum lengths of the tick-by-tick
// recognizer. Unlike the tick-by-tick steps it sees a corner whether or not an axis reverses, and judges a
// short hook by the whole stroke it ends rather than by the last few ticks.
#pragma once

#include "base/direction.h"
#include "base/geometry.h"

#include <span>
#include <vector>

namespace flickmark {

struct Stroke {
    Direction code = Direction::None;
    int length = 0; // straight distance from the stroke's start to its end, rounded
    int angle = 0;  // from its start to its end: whole degrees clockwise, 0 right, 90 down
};

struct StrokeRules {
    int xPixel = 30; // minimum horizontal extent of Left and Right
    int yPixel = 25; // minimum vertical extent of Up and Down; diagonals need 1.3 times it in |dx| + |dy|
    bool diagonals = false;
    // The monitors the path was drawn on. The cursor stops at the desktop's outer edges while the hand goes
    // on, so a stroke that runs into one is judged by less than the hand drew; empty: no edges known.
    std::span<const Rect> monitors;
};

// The direction of a straight stroke from one point to another: the band its angle falls in (a cardinal
// band of 90 degrees, or with diagonals a band of 40 degrees around a diagonal).
Direction strokeDirection(Point from, Point to, bool diagonals);
// Whether a straight stroke in that direction is long enough to count: |dy| >= yPixel for Up and Down,
// |dx| >= xPixel for Left and Right, |dx| + |dy| >= round(1.3 * yPixel) for a diagonal.
bool isLongEnough(Direction direction, Point from, Point to, const StrokeRules& rules);

// The strokes of a press's path in drawing order. Never two equal codes in a row, never a diagonal beside
// one of its adjacent cardinals, each stroke at least the minimum length; empty when the path holds no
// stroke (a click, a press that barely moved).
std::vector<Stroke> segmentPath(std::span<const Point> path, const StrokeRules& rules);

} // namespace flickmark
