#include "platform/waited_mouse_reports.h"

#include <algorithm>

namespace flickmark {

std::vector<MouseEvent> eventsOfWaitedReports(std::span<const WaitedMouseReport> reports, Point cursorNow,
                                              std::int64_t nowMs) {
    const auto firstDown = std::find_if(reports.begin(), reports.end(), [](const WaitedMouseReport& report) {
        return report.gestureButtonDown;
    });
    if (firstDown == reports.end())
        return {};
    const std::span<const WaitedMouseReport> fromPress(firstDown, reports.end());

    // Where each report left the cursor, from the last (where it is now) back to the first.
    std::vector<Point> leftAt(fromPress.size());
    Point at = cursorNow;
    for (std::size_t i = fromPress.size(); i-- > 0;) {
        const WaitedMouseReport& report = fromPress[i];
        if (report.position)
            at = *report.position;
        leftAt[i] = at;
        at = {at.x - report.movement.x, at.y - report.movement.y};
    }

    std::vector<MouseEvent> events;
    for (std::size_t i = 0; i < fromPress.size(); ++i) {
        const WaitedMouseReport& report = fromPress[i];
        // The first report's movement came before the press.
        const bool moved = report.position || report.movement != Point{};
        if (i > 0 && moved)
            events.push_back({MouseEvent::Kind::Move, nowMs, leftAt[i], report.movement});
        if (report.gestureButtonDown)
            events.push_back({MouseEvent::Kind::ButtonDown, nowMs, leftAt[i], {}});
        if (report.gestureButtonUp)
            events.push_back({MouseEvent::Kind::ButtonUp, nowMs, leftAt[i], {}});
    }
    return events;
}

} // namespace flickmark
