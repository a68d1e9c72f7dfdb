#include "platform/win32/show_in_front.h"

namespace flickmark::win32 {

void showInFront(HWND window) noexcept {
    if (!window)
        return;
    ::ShowWindow(window, ::IsIconic(window) ? SW_RESTORE : SW_SHOW);

    const HWND foreground = ::GetForegroundWindow();
    const DWORD ownThread = ::GetCurrentThreadId();
    const DWORD foregroundThread = foreground ? ::GetWindowThreadProcessId(foreground, nullptr) : 0;
    // A hung program's thread would make the attach wait for it.
    const bool attached = foregroundThread != 0 && foregroundThread != ownThread &&
                          !::IsHungAppWindow(foreground) &&
                          ::AttachThreadInput(ownThread, foregroundThread, TRUE) != FALSE;
    ::SetForegroundWindow(window);
    ::BringWindowToTop(window);
    if (attached)
        ::AttachThreadInput(ownThread, foregroundThread, FALSE);
}

} // namespace flickmark::win32
