#include "platform/win32/window_control.h"

#include "platform/win32/dpi.h"

#include "platform/win32/window_id.h"

#include <windows.h>

namespace flickmark {

using win32::toHwnd;
using win32::toRect;
using win32::toRECT;

namespace {

BOOL CALLBACK collectArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back(
            {toRect(info.rcMonitor), toRect(info.rcWork), static_cast<int>(win32::dpiOfMonitor(monitor))});
    return TRUE;
}

// A placement's restored rectangle is in workspace coordinates (taken from the work area's corner rather
// than the monitor's) for every top-level window but a tool window. The offset between the two is that of
// the monitor the rectangle is on.
POINT workspaceOffset(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !::GetMonitorInfoW(monitor, &info))
        return POINT{0, 0};
    return POINT{info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

bool usesWorkspaceCoordinates(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0;
}

Rect shifted(Rect r, int dx, int dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// A window whose program does not answer is left alone: a synchronous move would wait for it.
bool answers(HWND window) {
    return ::IsWindow(window) && !::IsHungAppWindow(window);
}

} // namespace

bool Win32WindowControl::exists(WindowId window) {
    return window != 0 && ::IsWindow(toHwnd(window));
}

WindowId Win32WindowControl::rootOwner(WindowId window) {
    return window ? reinterpret_cast<WindowId>(::GetAncestor(toHwnd(window), GA_ROOTOWNER)) : 0;
}

std::optional<WindowFrame> Win32WindowControl::frame(WindowId window) {
    if (!exists(window))
        return std::nullopt;
    const LONG_PTR style = ::GetWindowLongPtrW(toHwnd(window), GWL_STYLE);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(toHwnd(window), GWL_EXSTYLE);
    return WindowFrame{(style & WS_MAXIMIZEBOX) != 0, (style & WS_MINIMIZEBOX) != 0,
                       (style & WS_THICKFRAME) != 0, (exStyle & WS_EX_TOPMOST) != 0};
}

bool Win32WindowControl::postSystemCommand(WindowId window, SystemCommand command) {
    WPARAM code = SC_CLOSE;
    switch (command) {
    case SystemCommand::Maximize:
        code = SC_MAXIMIZE;
        break;
    case SystemCommand::Minimize:
        code = SC_MINIMIZE;
        break;
    case SystemCommand::Restore:
        code = SC_RESTORE;
        break;
    case SystemCommand::Close:
        code = SC_CLOSE;
        break;
    }
    return ::PostMessageW(toHwnd(window), WM_SYSCOMMAND, code, 0) != FALSE;
}

bool Win32WindowControl::setTopmost(WindowId window, bool topmost) {
    // Posted to the window's thread, so that a program that does not answer does not hold this one.
    return ::SetWindowPos(toHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS) != FALSE;
}

std::vector<MonitorArea> Win32WindowControl::monitorAreas() {
    std::vector<MonitorArea> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, &collectArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

std::optional<WindowPlace> Win32WindowControl::place(WindowId window) {
    const HWND hwnd = toHwnd(window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT now{};
    if (!exists(window) || !::GetWindowPlacement(hwnd, &placement) || !::GetWindowRect(hwnd, &now))
        return std::nullopt;
    WindowPlace place;
    place.state = ::IsIconic(hwnd)   ? ShowState::Minimized
                  : ::IsZoomed(hwnd) ? ShowState::Maximized
                                     : ShowState::Normal;
    place.rect = toRect(now);
    if (place.state == ShowState::Normal) {
        // A window snapped to a side is not where its placement would restore it: where it is counts.
        place.normal = place.rect;
        return place;
    }
    place.normal = toRect(placement.rcNormalPosition);
    if (usesWorkspaceCoordinates(hwnd)) {
        const POINT offset = workspaceOffset(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));
        place.normal = shifted(place.normal, offset.x, offset.y);
    }
    return place;
}

bool Win32WindowControl::moveWindow(WindowId window, const Rect& rect, bool sizeToo) {
    const HWND hwnd = toHwnd(window);
    if (!answers(hwnd))
        return false;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (sizeToo ? 0 : SWP_NOSIZE);
    if (!::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.width(), rect.height(), flags))
        return false;
    // On a monitor of another DPI the program may have taken the size the system suggested for it; the
    // place worked out for the new monitor is given once more.
    RECT now{};
    if (sizeToo && ::GetWindowRect(hwnd, &now) && toRect(now) != rect)
        ::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.width(), rect.height(), flags);
    return true;
}

bool Win32WindowControl::setRestoredPlace(WindowId window, const Rect& normal, ShowState state) {
    const HWND hwnd = toHwnd(window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!answers(hwnd) || !::GetWindowPlacement(hwnd, &placement))
        return false;
    Rect restored = normal;
    if (usesWorkspaceCoordinates(hwnd)) {
        const RECT target = toRECT(normal);
        const POINT offset = workspaceOffset(::MonitorFromRect(&target, MONITOR_DEFAULTTONEAREST));
        restored = shifted(restored, -offset.x, -offset.y);
    }
    placement.rcNormalPosition = toRECT(restored);
    placement.flags &= WPF_RESTORETOMAXIMIZED;
    if (state == ShowState::Minimized) {
        placement.showCmd = SW_SHOWMINNOACTIVE;
        return ::SetWindowPlacement(hwnd, &placement) != FALSE;
    }
    // A maximized window is restored on the new monitor, then maximized there.
    placement.showCmd = SW_SHOWNOACTIVATE;
    if (!::SetWindowPlacement(hwnd, &placement))
        return false;
    placement.showCmd = SW_SHOWMAXIMIZED;
    return ::SetWindowPlacement(hwnd, &placement) != FALSE;
}

} // namespace flickmark
