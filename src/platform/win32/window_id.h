// The portable code's window and rectangle values as the system's, and back.
#pragma once

#include "platform/desktop.h"

#include <windows.h>

namespace flickmark::win32 {

inline HWND toHwnd(WindowId window) noexcept {
    return reinterpret_cast<HWND>(window);
}

inline Rect toRect(const RECT& r) noexcept {
    return Rect{r.left, r.top, r.right, r.bottom};
}

inline RECT toRECT(const Rect& r) noexcept {
    return RECT{r.left, r.top, r.right, r.bottom};
}

} // namespace flickmark::win32
