// Dots per inch of monitors and windows, for a program that is aware of each monitor's scaling
// (the manifest declares per-monitor awareness, version 2). 96 is 100 %.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

inline constexpr UINT kDefaultDpi = 96;

// The effective DPI of the monitor nearest to a screen point.
UINT dpiAtPoint(POINT p) noexcept;
// The effective DPI of a monitor; kDefaultDpi when it cannot be read.
UINT dpiOfMonitor(HMONITOR monitor) noexcept;
// The DPI of a window; kDefaultDpi when it cannot be read.
UINT dpiOfWindow(HWND window) noexcept;
// Logical pixels (at 96 DPI) to physical pixels at `dpi`, rounded.
int scaleToDpi(int logical, UINT dpi) noexcept;
// WM_DPICHANGED for a window that lays itself out: moves and sizes it to the rectangle the message suggests
// (its lParam), after which the window lays out its content for the new DPI.
void moveToSuggestedRect(HWND window, LPARAM suggestedRect) noexcept;
// The work area (screen minus taskbars) of the monitor nearest to a point.
RECT workAreaAtPoint(POINT p) noexcept;

} // namespace flickmark::win32
