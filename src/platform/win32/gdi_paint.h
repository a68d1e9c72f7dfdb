// Small GDI painting steps shared by the program's own drawn windows.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

// Fills the rectangle with a solid colour.
void fillRect(HDC dc, const RECT& r, COLORREF color);
// Draws a frame `width` pixels thick just inside the rectangle.
void frameRect(HDC dc, const RECT& r, COLORREF color, int width);

} // namespace flickmark::win32
