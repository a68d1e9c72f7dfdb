// Where the hand has taken the pointer during a press read from mouse events. It follows the cursor, and
// where the cursor stops at an outer edge of the desktop it goes on by the mouse's own movement, so a
// stroke drawn against the edge keeps the length the hand gave it.
#pragma once

#include "base/geometry.h"

#include <span>

namespace flickmark {

class HandPosition {
public:
    // At the button-down.
    void start(Point cursor) { cursor_ = reached_ = cursor; }
    // After a move event: the cursor where it left it, what the mouse moved by (0, 0 when unknown) and the
    // monitors of the desktop. Returns the point reached.
    Point move(Point cursor, Point movement, std::span<const Rect> monitors);
    Point reached() const { return reached_; }
    // How far the hand has gone beyond the cursor, by pushing on where the cursor stopped.
    Point beyondCursor() const { return {reached_.x - cursor_.x, reached_.y - cursor_.y}; }

private:
    Point cursor_;
    Point reached_;
};

} // namespace flickmark
