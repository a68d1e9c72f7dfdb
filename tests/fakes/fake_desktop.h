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
    };

    std::vector<Rect> monitors() override { return monitorList; }
    WindowId foregroundWindow() override { return noForegroundWindow ? 0 : kForegroundId; }
    std::string processNameOfWindow(WindowId window) override;
    std::optional<Rect> windowRect(WindowId window) override;
    std::optional<ShowState> showState(WindowId window) override;
    // Answers from the stored list without copying it.
    std::optional<Rect> monitorNearest(Point p) override { return nearestMonitor(monitorList, p); }

    std::vector<Rect> monitorList{Rect{0, 0, 1920, 1080}};
    Window foreground;
    bool noForegroundWindow = false; // no window is in front (the last one just closed)
    int foregroundQueries = 0;

    static constexpr WindowId kForegroundId = 0x1234;
};

} // namespace flickmark
