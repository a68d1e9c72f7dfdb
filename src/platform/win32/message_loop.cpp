#include "platform/win32/message_loop.h"

#include "platform/win32/dialog_base.h"

#include <windows.h>

namespace flickmark::win32 {
namespace {

constexpr DWORD kLongestRawInputWaitMs = 250;

void dispatch(MSG& message) {
    if (!routeToModelessDialog(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

} // namespace

std::optional<int> runMessageLoop(const bool& running, WaitingRawInput* rawInput) {
    MSG message{};
    while (running) {
        if (!rawInput || !rawInput->canWait()) {
            const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
            if (got == 0)
                return static_cast<int>(message.wParam);
            if (got == -1)
                return std::nullopt;
            dispatch(message);
            continue;
        }
        // What waited, then every other message (and raw input that came since, one by one); then sleep
        // until a message other than raw input comes.
        rawInput->readWaiting();
        while (running && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            dispatch(message);
        }
        if (running && rawInput->canWait() &&
            ::MsgWaitForMultipleObjectsEx(0, nullptr, kLongestRawInputWaitMs, QS_ALLINPUT & ~QS_RAWINPUT,
                                          0) == WAIT_FAILED)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace flickmark::win32
