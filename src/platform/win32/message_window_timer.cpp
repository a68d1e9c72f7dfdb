#include "platform/win32/message_window_timer.h"

#include <utility>

namespace flickmark::win32 {
namespace {

constexpr wchar_t kClassName[] = L"FlickmarkTimer";
constexpr UINT_PTR kTimerId = 1;

} // namespace

MessageWindowTimer::MessageWindowTimer(std::function<void()> onTick) {
    createMessageOnly(kClassName);
    system_.emplace(hwnd(), kTimerId);
    timer_.emplace(*system_, std::move(onTick));
}

MessageWindowTimer::~MessageWindowTimer() {
    timer_.reset();
    system_.reset();
}

LRESULT MessageWindowTimer::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId && timer_) {
        timer_->onSystemTick();
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace flickmark::win32
