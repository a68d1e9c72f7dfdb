#include "platform/win32/dpi.h"

#include <shellscalingapi.h>

namespace flickmark::win32 {
namespace {

using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, MONITOR_DPI_TYPE, UINT*, UINT*);

// The monitor's DPI comes from shcore.dll, which is not among the system's known libraries: imported, it
// would be looked for beside the executable first. So it is loaded from the system folder, once, on first
// use; null when the system has no such function.
GetDpiForMonitorFunction getDpiForMonitor() noexcept {
    static const GetDpiForMonitorFunction function = []() -> GetDpiForMonitorFunction {
        const HMODULE library = ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library)
            return nullptr;
        return reinterpret_cast<GetDpiForMonitorFunction>(
            reinterpret_cast<void*>(::GetProcAddress(library, "GetDpiForMonitor")));
    }();
    return function;
}

} // namespace

UINT dpiAtPoint(POINT p) noexcept {
    return dpiOfMonitor(::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST));
}

UINT dpiOfMonitor(HMONITOR monitor) noexcept {
    const GetDpiForMonitorFunction dpiForMonitor = getDpiForMonitor();
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (monitor && dpiForMonitor && SUCCEEDED(dpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) &&
        dpiX > 0)
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

void moveToSuggestedRect(HWND window, LPARAM suggestedRect) noexcept {
    const RECT& suggested = *reinterpret_cast<const RECT*>(suggestedRect);
    ::SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace flickmark::win32
