// The mouse's own events from raw input: a message-only window registered for the mouse with
// RIDEV_INPUTSINK receives every move and button change, whatever program is in front, and intercepts
// nothing. The window is made at the first start; registration lasts from start to stop. Outside a press the
// mouse's reports wait in the queue for the message loop's next wake-up: only a button-down matters then.
#pragma once

#include "platform/mouse_events.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/window_base.h"

namespace flickmark {

class Win32RawMouseEvents final : public MouseEventSource,
                                  public win32::WaitingRawInput,
                                  private win32::WindowBase {
public:
    Win32RawMouseEvents() = default;
    ~Win32RawMouseEvents() override;

    std::optional<std::string> start(MouseEventSink& sink) override;
    void stop() noexcept override;
    // Raw input may wait while no press is being read from it.
    bool canWait() const override { return registered_ && (!sink_ || !sink_->wantsMoves()); }
    bool readWaiting() override;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void read(HRAWINPUT input);
    void deliver(const MouseEvent& event);

    MouseEventSink* sink_ = nullptr;
    bool registered_ = false;
};

} // namespace flickmark
