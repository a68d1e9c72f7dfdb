#include "recognizer/hand_position.h"

#include <algorithm>

namespace flickmark {
namespace {

bool onAnyMonitor(Point p, std::span<const Rect> monitors) {
    for (const Rect& monitor : monitors)
        if (monitor.contains(p))
            return true;
    return false;
}

// Far beyond any screen; a hand pushing on for hours stays within it, and sums of two such values fit an int.
constexpr long long kHandLimit = 1 << 29;

int addClamped(int position, long long step) {
    return static_cast<int>(std::clamp(position + step, -kHandLimit, kHandLimit));
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

// How far the hand went along one axis: the cursor's own step, or where the cursor did not move because
// the desktop ends one pixel further in the mouse's direction, the mouse's movement.
long long axisStep(long long cursorStep, int movement, bool blocked) {
    if (cursorStep != 0)
        return cursorStep;
    return blocked ? movement : 0;
}

} // namespace

Point HandPosition::move(Point cursor, Point movement, std::span<const Rect> monitors) {
    const bool onDesktop = onAnyMonitor(cursor, monitors);
    const bool blockedX =
        movement.x != 0 && onDesktop && !onAnyMonitor({cursor.x + sign(movement.x), cursor.y}, monitors);
    const bool blockedY =
        movement.y != 0 && onDesktop && !onAnyMonitor({cursor.x, cursor.y + sign(movement.y)}, monitors);
    reached_.x =
        addClamped(reached_.x, axisStep(static_cast<long long>(cursor.x) - cursor_.x, movement.x, blockedX));
    reached_.y =
        addClamped(reached_.y, axisStep(static_cast<long long>(cursor.y) - cursor_.y, movement.y, blockedY));
    cursor_ = cursor;
    return reached_;
}

} // namespace flickmark
