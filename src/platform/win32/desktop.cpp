#include "platform/win32/desktop.h"

#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_id.h"

#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

namespace flickmark {

using win32::toHwnd;
using win32::toRect;

namespace {

struct MonitorList {
    std::vector<Rect> rects;
    bool primaryFound = false;
};

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& list = *reinterpret_cast<MonitorList*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info))
        return TRUE;
    if ((info.dwFlags & MONITORINFOF_PRIMARY) && !list.primaryFound) {
        list.rects.insert(list.rects.begin(), toRect(info.rcMonitor));
        list.primaryFound = true;
    } else {
        list.rects.push_back(toRect(info.rcMonitor));
    }
    return TRUE;
}

} // namespace

std::vector<Rect> Win32Desktop::monitors() {
    MonitorList list;
    ::EnumDisplayMonitors(nullptr, nullptr, &collectMonitor, reinterpret_cast<LPARAM>(&list));
    return list.rects;
}

WindowId Win32Desktop::foregroundWindow() {
    return reinterpret_cast<WindowId>(::GetForegroundWindow());
}

std::string Win32Desktop::processNameOfWindow(WindowId window) {
    if (!window)
        return "";
    DWORD processId = 0;
    ::GetWindowThreadProcessId(toHwnd(window), &processId);
    // A window that no longer exists has no process. Process id 0 would match the system idle entry of
    // the snapshot, which is not the owner of any window.
    if (processId == 0)
        return "";
    const win32::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return "[error]";
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == processId)
            return win32::narrow(entry.szExeFile);
    }
    return "";
}

std::optional<Rect> Win32Desktop::windowRect(WindowId window) {
    RECT r{};
    if (!::GetWindowRect(toHwnd(window), &r))
        return std::nullopt;
    return toRect(r);
}

std::optional<ShowState> Win32Desktop::showState(WindowId window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(toHwnd(window), &placement))
        return std::nullopt;
    switch (placement.showCmd) {
    case SW_SHOWMAXIMIZED:
        return ShowState::Maximized;
    case SW_SHOWMINIMIZED:
        return ShowState::Minimized;
    default:
        return ShowState::Normal;
    }
}

WindowId Win32Desktop::topLevelWindowAt(Point p) {
    const HWND window = ::WindowFromPoint(POINT{p.x, p.y});
    return window ? reinterpret_cast<WindowId>(::GetAncestor(window, GA_ROOT)) : 0;
}

std::string Win32Desktop::windowClassName(WindowId window) {
    wchar_t name[256] = {};
    const int length = window ? ::GetClassNameW(toHwnd(window), name, static_cast<int>(std::size(name))) : 0;
    return length > 0 ? win32::narrow(std::wstring_view(name, static_cast<std::size_t>(length)))
                      : std::string();
}

bool Win32Desktop::isOwnWindow(WindowId window) {
    DWORD processId = 0;
    return window && ::GetWindowThreadProcessId(toHwnd(window), &processId) != 0 &&
           processId == ::GetCurrentProcessId();
}

std::optional<Rect> Win32Desktop::monitorNearest(Point p) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    // MONITOR_DEFAULTTONULL: only a monitor that contains the point. For a point outside every monitor
    // the portable rule decides, so that ties go to the first monitor as they do everywhere else.
    const HMONITOR monitor = ::MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONULL);
    if (!monitor || !::GetMonitorInfoW(monitor, &info))
        return nearestMonitor(monitors(), p);
    return toRect(info.rcMonitor);
}

} // namespace flickmark
