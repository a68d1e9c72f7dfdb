#include "platform/win32/message_loop.h"

#include "platform/win32/dialog_base.h"

#include <windows.h>

namespace flickmark::win32 {

std::optional<int> runMessageLoop(const bool& running) {
    MSG message{};
    while (running) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return std::nullopt;
        if (!routeToModelessDialog(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return std::nullopt;
}

} // namespace flickmark::win32
