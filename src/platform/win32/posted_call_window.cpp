#include "platform/win32/posted_call_window.h"

#include <utility>

namespace flickmark::win32 {
namespace {

constexpr wchar_t kClassName[] = L"FlickmarkPostedCall";
constexpr UINT kCallMessage = WM_APP + 1;

} // namespace

PostedCallWindow::PostedCallWindow(std::function<void()> call) : call_(std::move(call)) {
    createMessageOnly(kClassName);
}

bool PostedCallWindow::post() {
    if (!posted_)
        posted_ = ::PostMessageW(hwnd(), kCallMessage, 0, 0) != FALSE;
    return posted_;
}

LRESULT PostedCallWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kCallMessage)
        return defaultHandling(message, wParam, lParam);
    posted_ = false;
    call_();
    return 0;
}

} // namespace flickmark::win32
