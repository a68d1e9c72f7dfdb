// The mouse's own events from raw input: a message-only window registered for the mouse with
// RIDEV_INPUTSINK receives every move and button change, whatever program is in front, and intercepts
// nothing. The window is made at the first start; registration lasts from start to stop.
#pragma once

#include "platform/mouse_events.h"
#include "platform/win32/window_base.h"

namespace flickmark {

class Win32RawMouseEvents final : public MouseEventSource, private win32::WindowBase {
public:
    Win32RawMouseEvents() = default;
    ~Win32RawMouseEvents() override;

    std::optional<std::string> start(MouseEventSink& sink) override;
    void stop() noexcept override;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void read(HRAWINPUT input);

    MouseEventSink* sink_ = nullptr;
    bool registered_ = false;
};

} // namespace flickmark
