// Where "Next Monitor" and "Previous Monitor" put a window: the monitors in order from left to right, then
// top to bottom, wrapping; the window keeps its place and size relative to the work area it leaves, on the
// work area it goes to.
#pragma once

#include "base/geometry.h"
#include "platform/window_control.h"

#include <cstddef>
#include <vector>

namespace flickmark {

// The monitors sorted from left to right, and top to bottom where two begin at the same left edge.
std::vector<MonitorArea> monitorsInOrder(std::vector<MonitorArea> monitors);

// The monitor a window is on: the one its rectangle overlaps most, else the nearest (ties to the first).
std::size_t monitorOfWindow(const std::vector<MonitorArea>& monitors, const Rect& window);

// The monitor `step` places after (1) or before (-1) monitor `from`, wrapping.
std::size_t steppedMonitor(std::size_t from, int step, std::size_t count);

// The window's rectangle moved from one work area to another. A resizable window's edges each keep their
// share of the work area's width or height, so the window is as large, relative to the work area, as it
// was. A window of fixed size keeps its size, scaled by the monitors' DPI (as the program or the system
// scales it there), and its centre keeps its share. A window that lay partly outside its work area is
// shifted inside the new one where it fits.
Rect placeOnMonitor(const Rect& window, const MonitorArea& from, const MonitorArea& to, bool resizable);

} // namespace flickmark
