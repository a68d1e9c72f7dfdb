#include "recognizer/hand_position.h"

namespace flickmark {
namespace {

bool onAnyMonitor(Point p, std::span<const Rect> monitors) {
    for (const Rect& monitor : monitors)
        if (monitor.contains(p))
            return true;
    return false;
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

// How far the hand went along one axis: the cursor's own step, or where the cursor did not move because
// the desktop ends one pixel further in the mouse's direction, the mouse's movement.
int axisStep(int cursorStep, int movement, bool blocked) {
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
    reached_.x += axisStep(cursor.x - cursor_.x, movement.x, blockedX);
    reached_.y += axisStep(cursor.y - cursor_.y, movement.y, blockedY);
    cursor_ = cursor;
    return reached_;
}

} // namespace flickmark
