// Closes the context menu that the target program opened on the right-button release, before an action's
// keystrokes go to that program: while a menu is open, its modal loop takes every key.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/menus.h"
#include "platform/nested_loop.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"

namespace flickmark {

class ContextMenuCloser final : public ContextMenuDismisser, private win32::WindowBase {
public:
    // Creates the hidden window that owns the closer's own menu (one that can take the focus). Throws
    // win32::Win32Error when that fails. The references must outlive the closer.
    ContextMenuCloser(NestedLoops& loops, DiagnosticLog& log);

    // Closes any menu open in the foreground program and returns once its menu loop has ended (or after a
    // short time limit, which leaves a line in the log). The program keeps its focus window.
    void dismissContextMenu() override;

private:
    // Returns once the foreground program has handled what its queue held (the right-button release that
    // opens its menu; the end of that menu), or after at most a second when it is busy; at once when it is
    // hung.
    void waitForQueueHandled(HWND foreground);
    // Opens and at once closes an empty menu of ours while sharing the foreground thread's input.
    void openOwnMenuAttached(DWORD foregroundThread);

    NestedLoops& loops_;
    DiagnosticLog& log_;
    win32::UniqueMenu dummy_;
};

} // namespace flickmark
