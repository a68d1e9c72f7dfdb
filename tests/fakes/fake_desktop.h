// A desktop of fixed monitors and one foreground window whose name, rectangle and placement the test sets.
#pragma once

#include "platform/desktop.h"

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class FakeDesktop final : public Desktop {
public:
    struct Window {
        std::string exeName = "probe.exe";
        std::optional<Rect> rect = Rect{100, 100, 900, 700};    // empty: the rectangle cannot be read
        std::optional<ShowState> showState = ShowState::Normal; // empty: the placement cannot be read
        std::string windowClass = "FlickmarkProbe";
    };

    std::vector<Rect> monitors() override { return monitorList; }
    WindowId foregroundWindow() override { return noForegroundWindow ? 0 : kForegroundId; }
    std::string processNameOfWindow(WindowId window) override;
    std::optional<Rect> windowRect(WindowId window) override;
    std::optional<ShowState> showState(WindowId window) override;
    // Answers from the stored list without copying it.
    std::optional<Rect> monitorNearest(Point p) override { return nearestMonitor(monitorList, p); }
    // The window under the cursor is the foreground window, unless `underCursor` is set.
    WindowId topLevelWindowAt(Point) override { return underCursor ? kUnderCursorId : foregroundWindow(); }
    std::string windowClassName(WindowId window) override;
    bool isOwnWindow(WindowId window) override { return ownWindows && window != 0; }

    std::vector<Rect> monitorList{Rect{0, 0, 1920, 1080}};
    Window foreground;
    std::optional<Window> underCursor; // another program's window under the cursor
    bool ownWindows = false;           // every window is this program's
    bool noForegroundWindow = false;   // no window is in front (the last one just closed)
    int foregroundQueries = 0;

    static constexpr WindowId kForegroundId = 0x1234;
    static constexpr WindowId kUnderCursorId = 0x5678;
};

} // namespace flickmark
