// The window control port on Win32: caption buttons' system commands, always on top and placement of
// another program's top-level windows.
#pragma once

#include "platform/window_control.h"

namespace flickmark {

class Win32WindowControl final : public WindowControl {
public:
    bool exists(WindowId window) override;
    WindowId rootOwner(WindowId window) override;
    std::optional<WindowFrame> frame(WindowId window) override;
    bool postSystemCommand(WindowId window, SystemCommand command) override;
    bool setTopmost(WindowId window, bool topmost) override;
    std::vector<MonitorArea> monitorAreas() override;
    std::optional<WindowPlace> place(WindowId window) override;
    bool moveWindow(WindowId window, const Rect& rect, bool sizeToo) override;
    bool setRestoredPlace(WindowId window, const Rect& normal, ShowState state) override;
};

} // namespace flickmark
