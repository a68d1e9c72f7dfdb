// Mouse reports read together after they waited in the queue (outside a press nobody needs them sooner):
// they carry the buttons' changes and the mouse's movement, but neither the time nor where the cursor was.
// From the first press of the gesture button on they become events again, each placed by counting the
// movements back from where the cursor is now.
#pragma once

#include "platform/mouse_events.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace flickmark {

struct WaitedMouseReport {
    bool gestureButtonDown = false;
    bool gestureButtonUp = false;
    Point movement;                // what the mouse moved by (0, 0 for a device that reports positions)
    std::optional<Point> position; // where a device that reports positions put the cursor
};

// The events of `reports` (oldest first) from the first button-down on, timed `nowMs`: a move for each
// report that moved, then its button changes. Nothing when no press began in them.
std::vector<MouseEvent> eventsOfWaitedReports(std::span<const WaitedMouseReport> reports, Point cursorNow,
                                              std::int64_t nowMs);

} // namespace flickmark
