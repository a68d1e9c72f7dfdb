// The desktop port on Win32: monitors, the foreground window and what is known about it.
#pragma once

#include "platform/desktop.h"

namespace flickmark {

class Win32Desktop final : public Desktop {
public:
    std::vector<Rect> monitors() override;
    WindowId foregroundWindow() override;
    std::string processNameOfWindow(WindowId window) override;
    std::optional<Rect> windowRect(WindowId window) override;
    std::optional<ShowState> showState(WindowId window) override;
    WindowId topLevelWindowAt(Point p) override;
    std::string windowClassName(WindowId window) override;
    bool isOwnWindow(WindowId window) override;
    // Builds no monitor list when a monitor contains the point (the usual case for the cursor).
    std::optional<Rect> monitorNearest(Point p) override;
};

} // namespace flickmark
