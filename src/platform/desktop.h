// Desktop port: monitors and the foreground window, as far as recognition and lookup need them.
#pragma once

#include "base/geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

// Opaque window identity (an HWND on Windows); 0 means no window.
using WindowId = std::uintptr_t;

enum class ShowState { Normal, Maximized, Minimized };

class Desktop {
public:
    virtual ~Desktop() = default;
    // Bounds of every monitor, primary first.
    virtual std::vector<Rect> monitors() = 0;
    virtual WindowId foregroundWindow() = 0;
    // Executable file name (no folder) of the process owning the window; "" when unknown,
    // "[error]" when the process list cannot be read.
    virtual std::string processNameOfWindow(WindowId window) = 0;
    // Empty when the window rectangle cannot be read.
    virtual std::optional<Rect> windowRect(WindowId window) = 0;
    // Empty when the placement cannot be read.
    virtual std::optional<ShowState> showState(WindowId window) = 0;
    // The top-level window at a point of the screen (the root of the window the point is over); 0 for none.
    virtual WindowId topLevelWindowAt(Point p) = 0;
    // The window's class name; "" when unknown.
    virtual std::string windowClassName(WindowId window) = 0;
    // Whether the window belongs to this program.
    virtual bool isOwnWindow(WindowId window) = 0;
    // The monitor nearest to a point, as nearestMonitor(monitors(), p) below. The recognizer asks once per
    // moving tick, so an adapter that can answer without building the monitor list should override this.
    virtual std::optional<Rect> monitorNearest(Point p);
};

// Windows of the shell that are never the program the user works in, nor the window a command acts on: the
// desktop, the taskbar, menus, task switching.
bool isShellWindowClass(std::string_view windowClass);

// Nearest monitor to a point: the one containing it, else the closest; ties go to the first.
// Returns nullopt only when there are no monitors.
std::optional<Rect> nearestMonitor(const std::vector<Rect>& monitors, Point p);
// Nearest monitor to a rectangle: largest overlap, else smallest distance; ties go to the first.
std::optional<Rect> nearestMonitor(const std::vector<Rect>& monitors, const Rect& r);

} // namespace flickmark
