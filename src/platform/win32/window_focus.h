// WindowFocus over the Win32 window order, foreground and thread-input calls.
#pragma once

#include "platform/window_focus.h"

namespace flickmark {

class Win32WindowFocus final : public WindowFocus {
public:
    WindowId nextWindow(WindowId window) override;
    bool isVisible(WindowId window) override;
    bool setForeground(WindowId window) override;
    ThreadId windowThread(WindowId window) override;
    ThreadId currentThread() override;
    bool attachThreadInput(ThreadId from, ThreadId to, bool attach) override;
};

} // namespace flickmark
