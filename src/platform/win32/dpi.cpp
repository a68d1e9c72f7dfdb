#include "platform/win32/dpi.h"

#include <shellscalingapi.h>

namespace flickmark::win32 {

UINT dpiAtPoint(POINT p) noexcept {
    const HMONITOR monitor = ::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (monitor && SUCCEEDED(::GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) && dpiX > 0)
        return dpiX;
    return kDefaultDpi;
}

UINT dpiOfWindow(HWND window) noexcept {
    const UINT dpi = window ? ::GetDpiForWindow(window) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

int scaleToDpi(int logical, UINT dpi) noexcept {
    return ::MulDiv(logical, static_cast<int>(dpi), 96);
}

RECT workAreaAtPoint(POINT p) noexcept {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = ::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST);
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    RECT area{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0))
        area = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return area;
}

} // namespace flickmark::win32
