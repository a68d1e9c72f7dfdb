// A timer with a message-only window of its own: for a part of the program that has no window to receive
// WM_TIMER. Ticks keep the rules of CoalescingTimer (never inside themselves, changes applied after).
#pragma once

#include "platform/coalescing_timer.h"
#include "platform/win32/window_base.h"
#include "platform/win32/window_timer.h"

#include <functional>
#include <optional>

namespace flickmark::win32 {

class MessageWindowTimer final : public Timer, private WindowBase {
public:
    // Throws Win32Error when the window cannot be created.
    explicit MessageWindowTimer(std::function<void()> onTick);
    ~MessageWindowTimer() override;

    void setInterval(int milliseconds) override { timer_->setInterval(milliseconds); }
    int interval() const override { return timer_->interval(); }
    void setEnabled(bool enabled) override { timer_->setEnabled(enabled); }
    bool enabled() const override { return timer_->enabled(); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Made once the window exists; gone before it.
    std::optional<WindowTimer> system_;
    std::optional<CoalescingTimer> timer_;
};

} // namespace flickmark::win32
