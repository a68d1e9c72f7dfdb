// Showing one of the program's own windows to the user: visible, restored if minimized, and in front.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

// The window is always shown. Bringing it to the foreground may be refused by the system's foreground lock;
// sharing the input state of the foreground program's thread helps it succeed, so that is tried first, but
// only when another thread of a responsive program is in front, and only what was attached is detached.
void showInFront(HWND window) noexcept;

} // namespace flickmark::win32
