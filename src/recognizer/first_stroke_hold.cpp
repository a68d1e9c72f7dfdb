#include "recognizer/first_stroke_hold.h"

#include <cmath>

namespace flickmark {
namespace {

// A move goes on along the stroke while it turns less than 60 degrees from it; the next stroke of a
// gesture turns at least 90 degrees (a diagonal never follows its adjacent cardinal).
constexpr double kSameDirectionCosine = 0.5;

double distance(Point a, Point b) {
    return std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

} // namespace

void FirstStrokeHold::reset() {
    phase_ = Phase::BeforePress;
    direction_ = Direction::None;
}

FirstStrokeHold::Change FirstStrokeHold::follow(Point cursor, const StrokeRules& rules) {
    switch (phase_) {
    case Phase::BeforePress:
        start_ = cursor;
        phase_ = Phase::BeforeStroke;
        return Change::None;
    case Phase::BeforeStroke: {
        const Direction direction = strokeDirection(start_, cursor, rules.diagonals);
        if (!isLongEnough(direction, start_, cursor, rules))
            return Change::None;
        direction_ = direction;
        tip_ = cursor;
        restPoint_ = cursor;
        resting_ = false;
        phase_ = Phase::OnStroke;
        return Change::None;
    }
    case Phase::OnStroke:
        return followStroke(cursor, rules);
    case Phase::Ended:
        break;
    }
    return Change::None;
}

FirstStrokeHold::Change FirstStrokeHold::followStroke(Point cursor, const StrokeRules& rules) {
    const double dx = static_cast<double>(cursor.x) - tip_.x;
    const double dy = static_cast<double>(cursor.y) - tip_.y;
    const double fromTip = std::hypot(dx, dy);
    if (fromTip > kRestJitter) {
        const double strokeX = static_cast<double>(tip_.x) - start_.x;
        const double strokeY = static_cast<double>(tip_.y) - start_.y;
        if (dx * strokeX + dy * strokeY >= kSameDirectionCosine * fromTip * std::hypot(strokeX, strokeY)) {
            tip_ = cursor;
            direction_ = strokeDirection(start_, tip_, rules.diagonals);
        } else if (isLongEnough(strokeDirection(tip_, cursor, rules.diagonals), tip_, cursor, rules)) {
            phase_ = Phase::Ended;
            return Change::Ended;
        }
    }
    if (distance(restPoint_, cursor) <= kRestJitter) {
        if (resting_)
            return Change::None;
        // Where the hand came to rest is where it settled, not where the last move before it ended.
        restPoint_ = cursor;
        resting_ = true;
        return Change::Rests;
    }
    restPoint_ = cursor;
    if (!resting_)
        return Change::None;
    resting_ = false;
    return Change::Moves;
}

} // namespace flickmark
