// The pause before help, read from the path of the press. The pause runs while the hand rests (a few
// pixels of jitter allowed) on the gesture's first stroke, once that stroke is long enough to count; moving
// on along the stroke or a small hook stops it until the hand rests again. Once the hand has drawn enough
// in another direction to make a stroke of its own, there is no pause in that press any more.
#pragma once

#include "base/direction.h"
#include "base/geometry.h"
#include "recognizer/path_segmenter.h"

namespace flickmark {

class FirstStrokeHold {
public:
    // Jitter a resting hand may show, in pixels from where it came to rest.
    static constexpr double kRestJitter = 8.0;

    enum class Change {
        None,
        Rests, // the hand came to rest on the first stroke: the pause starts
        Moves, // the hand moved again: no pause until it rests again
        Ended, // the hand left the first stroke: no pause in this press any more
    };

    // A new press; its first point is the next one followed.
    void reset();
    Change follow(Point cursor, const StrokeRules& rules);
    // The first stroke's direction so far; None before it is long enough.
    Direction direction() const { return direction_; }

private:
    enum class Phase { BeforePress, BeforeStroke, OnStroke, Ended };

    Change followStroke(Point cursor, const StrokeRules& rules);

    Phase phase_ = Phase::BeforePress;
    Point start_; // the press's first point
    Point tip_;   // how far the first stroke has got
    Point restPoint_;
    bool resting_ = false;
    Direction direction_ = Direction::None;
};

} // namespace flickmark
