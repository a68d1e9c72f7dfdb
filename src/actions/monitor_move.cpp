#include "actions/monitor_move.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace flickmark {
namespace {

std::int64_t overlap(const Rect& a, const Rect& b) {
    const std::int64_t width = std::max(0, std::min(a.right, b.right) - std::max(a.left, b.left));
    const std::int64_t height = std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top));
    return width * height;
}

std::int64_t distance(const Rect& a, const Rect& b) {
    const std::int64_t dx = std::max({0, a.left - b.right, b.left - a.right});
    const std::int64_t dy = std::max({0, a.top - b.bottom, b.top - a.bottom});
    return dx * dx + dy * dy;
}

// A coordinate's share of one axis of a work area, carried to another, rounded half to even.
int carried(int value, int fromStart, int fromLength, int toStart, int toLength) {
    if (fromLength <= 0)
        return toStart;
    const double share = static_cast<double>(value - fromStart) / fromLength;
    return toStart + static_cast<int>(std::nearbyint(share * toLength));
}

int scaledByDpi(int length, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0)
        return length;
    return static_cast<int>(std::nearbyint(static_cast<double>(length) * toDpi / fromDpi));
}

} // namespace

std::vector<MonitorArea> monitorsInOrder(std::vector<MonitorArea> monitors) {
    const auto before = [](const MonitorArea& a, const MonitorArea& b) {
        if (a.monitor.left != b.monitor.left)
            return a.monitor.left < b.monitor.left;
        return a.monitor.top < b.monitor.top;
    };
    // A handful of monitors: an insertion sort keeps equal ones in the system's order and costs the exe a
    // few bytes instead of the library's stable sort (3 KB).
    for (std::size_t i = 1; i < monitors.size(); ++i)
        for (std::size_t j = i; j > 0 && before(monitors[j], monitors[j - 1]); --j)
            std::swap(monitors[j], monitors[j - 1]);
    return monitors;
}

std::size_t monitorOfWindow(const std::vector<MonitorArea>& monitors, const Rect& window) {
    std::size_t best = 0;
    std::int64_t bestOverlap = -1;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t shared = overlap(monitors[i].monitor, window);
        if (shared > bestOverlap) {
            best = i;
            bestOverlap = shared;
        }
    }
    if (bestOverlap > 0)
        return best;
    std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const std::int64_t d = distance(monitors[i].monitor, window);
        if (d < nearest) {
            best = i;
            nearest = d;
        }
    }
    return best;
}

std::size_t steppedMonitor(std::size_t from, int step, std::size_t count) {
    if (count == 0)
        return 0;
    const auto n = static_cast<long long>(count);
    const long long next = (static_cast<long long>(from) + step) % n;
    return static_cast<std::size_t>(next < 0 ? next + n : next);
}

Rect placeOnMonitor(const Rect& window, const MonitorArea& from, const MonitorArea& to, bool resizable) {
    const Rect& a = from.workArea;
    const Rect& b = to.workArea;
    Rect placed;
    if (resizable) {
        placed = {carried(window.left, a.left, a.width(), b.left, b.width()),
                  carried(window.top, a.top, a.height(), b.top, b.height()),
                  carried(window.right, a.left, a.width(), b.left, b.width()),
                  carried(window.bottom, a.top, a.height(), b.top, b.height())};
    } else {
        const int width = scaledByDpi(window.width(), from.dpi, to.dpi);
        const int height = scaledByDpi(window.height(), from.dpi, to.dpi);
        // The centre, doubled so that it stays whole.
        const int centreX =
            carried(window.left + window.right, 2 * a.left, 2 * a.width(), 2 * b.left, 2 * b.width());
        const int centreY =
            carried(window.top + window.bottom, 2 * a.top, 2 * a.height(), 2 * b.top, 2 * b.height());
        placed.left = static_cast<int>(std::floor((centreX - width) / 2.0));
        placed.top = static_cast<int>(std::floor((centreY - height) / 2.0));
        placed.right = placed.left + width;
        placed.bottom = placed.top + height;
    }
    // Inside the new work area where it fits: shifted, not shrunk.
    const auto fit = [](int& low, int& high, int areaLow, int areaHigh) {
        if (high - low > areaHigh - areaLow)
            return;
        if (low < areaLow) {
            high += areaLow - low;
            low = areaLow;
        } else if (high > areaHigh) {
            low -= high - areaHigh;
            high = areaHigh;
        }
    };
    fit(placed.left, placed.right, b.left, b.right);
    fit(placed.top, placed.bottom, b.top, b.bottom);
    return placed;
}

} // namespace flickmark
