#include "platform/win32/window_timer.h"

#include <algorithm>

namespace flickmark::win32 {

bool WindowTimer::start(int milliseconds) {
    // SetTimer on an existing id replaces that timer and counts its period anew. Periods below
    // USER_TIMER_MINIMUM are raised to it by the system anyway.
    const UINT elapse = static_cast<UINT>(std::max(milliseconds, static_cast<int>(USER_TIMER_MINIMUM)));
    running_ = ::SetTimer(window_, id_, elapse, nullptr) != 0;
    if (!running_)
        lastError_ = ::GetLastError();
    return running_;
}

void WindowTimer::stop() {
    // KillTimer does not remove a WM_TIMER that is already queued; the timer built on this one drops it.
    if (running_)
        ::KillTimer(window_, id_);
    running_ = false;
}

std::int64_t WindowTimer::nowMs() {
    return static_cast<std::int64_t>(::GetTickCount64());
}

} // namespace flickmark::win32
