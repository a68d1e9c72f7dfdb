// A repeating timer bound to a window: SetTimer on the window, ticks delivered to a callback.
//
// The owner window forwards WM_TIMER with this timer's id to onTimerMessage().
//
// A tick is never re-entered: WM_TIMER messages that arrive while the callback runs (for example while
// it pumps messages) are dropped, as are those of a disabled timer that were already queued.
// Changes made from inside the callback take effect when it returns, and a change that leaves the timer
// as it was (disable, then enable again with the same interval, as every idle tick does) costs no
// system call.
#pragma once

#include "platform/timer.h"

#include <windows.h>

#include <cstdint>
#include <functional>

namespace flickmark {

class WindowTimer final : public Timer {
public:
    WindowTimer(HWND window, UINT_PTR id, std::function<void()> onTick);
    ~WindowTimer() override;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    UINT_PTR id() const noexcept { return id_; }
    void onTimerMessage();

private:
    void apply();

    HWND window_;
    UINT_PTR id_;
    std::function<void()> onTick_;

    // What the owner asked for.
    int interval_ = 100;
    bool enabled_ = false;
    bool restartRequested_ = false;
    // What the system timer currently does.
    bool running_ = false;
    int runningInterval_ = 0;

    bool inTick_ = false;
    std::uint64_t tickStartMs_ = 0;
};

} // namespace flickmark
