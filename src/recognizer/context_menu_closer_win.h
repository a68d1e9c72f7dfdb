// Closes the context menu that the target program opened on the right-button release, before an action's
// keystrokes go to that program: while a menu is open, its modal loop takes every key.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

namespace flickmark {

class ContextMenuCloser {
public:
    // `owner` is a hidden window of ours that can take the focus and own a popup menu; it must hand
    // WM_CANCELMODE to DefWindowProc. Both references must outlive the closer.
    ContextMenuCloser(HWND owner, DiagnosticLog& log);

    // Closes any menu open in the foreground program and returns once its menu loop has ended (or after a
    // short time limit, which leaves a line in the log). The program keeps its focus window.
    void closeForegroundMenu();

private:
    // Returns once the foreground program has handled what its queue held (the right-button release that
    // opens its menu; the end of that menu), or after at most a second when it is busy; at once when it is
    // hung.
    void waitForQueueHandled(HWND foreground);
    // Opens and at once closes an empty menu of ours while sharing the foreground thread's input.
    void openOwnMenuAttached(DWORD foregroundThread);

    HWND owner_;
    DiagnosticLog& log_;
    win32::UniqueMenu dummy_;
};

} // namespace flickmark
