#include "platform/desktop.h"

#include <algorithm>
#include <array>

namespace flickmark {
namespace {

// Gap between two closed intervals along one axis, 0 when they touch or overlap.
long long gap(long long lo1, long long hi1, long long lo2, long long hi2) {
    if (hi1 < lo2)
        return lo2 - hi1;
    if (hi2 < lo1)
        return lo1 - hi2;
    return 0;
}

long long squaredDistance(const Rect& a, const Rect& b) {
    const long long dx = gap(a.left, a.right, b.left, b.right);
    const long long dy = gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

long long overlapArea(const Rect& a, const Rect& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

std::optional<Rect> Desktop::monitorNearest(Point p) {
    return nearestMonitor(monitors(), p);
}

std::optional<Rect> nearestMonitor(const std::vector<Rect>& monitors, Point p) {
    for (const Rect& m : monitors)
        if (m.contains(p))
            return m;
    const Rect point{p.x, p.y, p.x, p.y};
    std::optional<Rect> best;
    long long bestDistance = 0;
    for (const Rect& m : monitors) {
        // The right and bottom edges lie outside the monitor: measure to its last pixel.
        const Rect inside{m.left, m.top, m.right - 1, m.bottom - 1};
        const long long d = squaredDistance(inside, point);
        if (!best || d < bestDistance) {
            best = m;
            bestDistance = d;
        }
    }
    return best;
}

std::optional<Rect> nearestMonitor(const std::vector<Rect>& monitors, const Rect& r) {
    std::optional<Rect> best;
    long long bestOverlap = 0;
    for (const Rect& m : monitors) {
        const long long a = overlapArea(m, r);
        if (a > bestOverlap) {
            best = m;
            bestOverlap = a;
        }
    }
    if (best)
        return best;
    long long bestDistance = 0;
    for (const Rect& m : monitors) {
        const long long d = squaredDistance(m, r);
        if (!best || d < bestDistance) {
            best = m;
            bestDistance = d;
        }
    }
    return best;
}

bool isShellWindowClass(std::string_view windowClass) {
    static constexpr std::array<std::string_view, 11> kShellClasses = {
        "Shell_TrayWnd",              // the taskbar (also the tray window of Wine's shell)
        "Shell_SecondaryTrayWnd",     // the taskbar of another monitor
        "NotifyIconOverflowWindow",   // the hidden tray icons
        "#32769",                     // the desktop window itself
        "Progman",                    // the desktop
        "WorkerW",                    // the desktop behind its wallpaper
        "#32768",                     // a menu
        "TaskListThumbnailWnd",       // a taskbar button's preview
        "MultitaskingViewFrame",      // Alt+Tab
        "ForegroundStaging",          // a switch in progress
        "Windows.UI.Core.CoreWindow", // Start, search and the notification centre
    };
    for (std::string_view shell : kShellClasses)
        if (windowClass == shell)
            return true;
    return false;
}

} // namespace flickmark
