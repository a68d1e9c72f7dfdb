#include "platform/win32/window_focus.h"

#include "platform/win32/window_id.h"

#include <windows.h>

namespace flickmark {

using win32::toHwnd;

// GetWindow returns NULL at the end of the chain or for a destroyed window.
WindowId Win32WindowFocus::nextWindow(WindowId window) {
    return reinterpret_cast<WindowId>(GetWindow(toHwnd(window), GW_HWNDNEXT));
}

bool Win32WindowFocus::isVisible(WindowId window) {
    return IsWindowVisible(toHwnd(window)) != FALSE;
}

// Refused (FALSE) unless this process may set the foreground, e.g. while attached to the foreground
// thread's input; a refused call only flashes the window's taskbar button.
bool Win32WindowFocus::setForeground(WindowId window) {
    return SetForegroundWindow(toHwnd(window)) != FALSE;
}

// Returns 0 for an invalid window.
ThreadId Win32WindowFocus::windowThread(WindowId window) {
    return window == 0 ? 0 : GetWindowThreadProcessId(toHwnd(window), nullptr);
}

ThreadId Win32WindowFocus::currentThread() {
    return GetCurrentThreadId();
}

// Fails for a thread of another desktop or one without a message queue.
bool Win32WindowFocus::attachThreadInput(ThreadId from, ThreadId to, bool attach) {
    return AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
}

} // namespace flickmark
