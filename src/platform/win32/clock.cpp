#include "platform/win32/clock.h"

#include "platform/win32/dialog_base.h"

#include <windows.h>

#include <algorithm>
#include <optional>

namespace flickmark {
namespace {

// Longest single wait between two looks at the queue and the clock.
constexpr std::int64_t kSliceMs = 50;

} // namespace

std::int64_t Win32Clock::nowMs() {
    return static_cast<std::int64_t>(::GetTickCount64());
}

void Win32Clock::pause(int milliseconds) {
    if (milliseconds > 0)
        ::Sleep(static_cast<DWORD>(milliseconds));
}

void Win32Clock::waitWithMessages(int milliseconds) {
    std::optional<NestedLoopGuard> guard;
    if (loops_)
        guard.emplace(*loops_);
    const std::int64_t end = nowMs() + std::max(milliseconds, 0);
    for (;;) {
        MSG msg{};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                shuttingDown_ = true;
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            if (win32::routeToModelessDialog(msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (shuttingDown_)
            return;
        const std::int64_t left = end - nowMs();
        if (left <= 0)
            return;
        // Wakes early when a message arrives, so the wait does not delay painting or input.
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::min(left, kSliceMs)), QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
    }
}

} // namespace flickmark
