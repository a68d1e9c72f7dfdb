// Handing the foreground to the program the user works in: finding that program's window below our own
// windows, and activating it while attached to the foreground thread's input, which the system requires
// before it lets a background process change the foreground.
#pragma once

#include "platform/desktop.h"
#include "platform/window_focus.h"

#include <string>

namespace flickmark {

class ForegroundHandoff {
public:
    // `ownExeName` is compared ignoring case with the process names of windows.
    ForegroundHandoff(Desktop& desktop, WindowFocus& focus, std::string ownExeName = "flickmark.exe");

    // The first visible window below `window` (below the foreground window when 0); 0 when there is none.
    WindowId nextVisibleWindow(WindowId window);

    // Shares input with the thread of `window`. Returns true at once while already attached; pair every
    // successful call with detachForegroundInput before the next attach.
    bool attachForegroundInput(WindowId window);
    void detachForegroundInput();
    bool attached() const { return attached_; }

    // The window an action is meant for: the foreground window, or, while one of our own windows is in
    // front, the first visible window below it (at most three of ours are skipped). 0 when there is none.
    WindowId targetWindow();

    // Activates `window` from the background. Returns whether the system accepted the change.
    bool bringToFront(WindowId window);

    // Gives the foreground back to the program below our own window (after the scratchpad took it).
    void focusPreviousWindow();

private:
    Desktop& desktop_;
    WindowFocus& focus_;
    std::string ownExeName_;
    ThreadId windowThread_ = 0;
    ThreadId ownThread_ = 0;
    bool attached_ = false;
};

} // namespace flickmark
