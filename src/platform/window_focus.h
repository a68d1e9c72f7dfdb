// Window focus port: the window order and the calls needed to hand the foreground to another program.
// The foreground window itself and the process name of a window come from Desktop.
#pragma once

#include "platform/desktop.h"

#include <cstdint>

namespace flickmark {

using ThreadId = std::uint32_t;

class WindowFocus {
public:
    virtual ~WindowFocus() = default;
    // The window below `window` in the z-order; 0 at the end of the chain.
    virtual WindowId nextWindow(WindowId window) = 0;
    virtual bool isVisible(WindowId window) = 0;
    // Returns false when the system refused the change (foreground lock).
    virtual bool setForeground(WindowId window) = 0;
    // The thread that created `window`; 0 for no window.
    virtual ThreadId windowThread(WindowId window) = 0;
    virtual ThreadId currentThread() = 0;
    // Shares (attach true) or stops sharing the input state of two threads.
    virtual bool attachThreadInput(ThreadId from, ThreadId to, bool attach) = 0;
};

} // namespace flickmark
