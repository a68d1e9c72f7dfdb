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
    bool rawInputWaits = false;
    while (running) {
        if (!rawInputWaits || !rawInput->canWait()) {
            const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
            if (got == 0)
                return static_cast<int>(message.wParam);
            if (got == -1)
                return std::nullopt;
            const bool rawInputCame = message.message == WM_INPUT;
            dispatch(message);
            rawInputWaits = rawInputCame && rawInput && rawInput->canWait();
            continue;
        }
        // Sleep until a message other than raw input is there (at once when one is), take what waited
        // before it, then that message. One message a turn: the wait says whether another is there.
        if (::MsgWaitForMultipleObjectsEx(0, nullptr, kLongestRawInputWaitMs, QS_ALLINPUT & ~QS_RAWINPUT,
                                          MWMO_INPUTAVAILABLE) == WAIT_FAILED)
            return std::nullopt;
        rawInputWaits = rawInput->readWaiting();
        if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return static_cast<int>(message.wParam);
            dispatch(message);
        }
    }
    return std::nullopt;
}

} // namespace flickmark::win32
