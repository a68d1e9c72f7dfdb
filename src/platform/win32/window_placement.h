// Where a window that belongs to another one opens.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

// Centres `window` on `owner` when the owner shows (not minimised), otherwise on the work area of the
// monitor under the pointer; either way kept inside that monitor's work area as far as it fits.
void centreOnOwner(HWND window, HWND owner) noexcept;

} // namespace flickmark::win32
