// The system timer of a window: SetTimer with the window and an id, so the ticks arrive as WM_TIMER
// messages with that id, which the window hands to the timer built on this one.
#pragma once

#include "platform/coalescing_timer.h"

#include <windows.h>

namespace flickmark::win32 {

class WindowTimer final : public SystemTimer {
public:
    WindowTimer(HWND window, UINT_PTR id) noexcept : window_(window), id_(id) {}
    ~WindowTimer() override { stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    UINT_PTR id() const noexcept { return id_; }
    // The system's error code of the last refused start.
    DWORD lastError() const noexcept { return lastError_; }

    bool start(int milliseconds) override;
    void stop() override;
    std::int64_t nowMs() override;

private:
    HWND window_;
    UINT_PTR id_;
    bool running_ = false;
    DWORD lastError_ = ERROR_SUCCESS;
};

} // namespace flickmark::win32
