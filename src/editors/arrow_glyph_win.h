// An arrow drawn as a filled polygon, so that it needs no symbol font and scales with its box.
#pragma once

#include <windows.h>

namespace flickmark {

// Draws an arrow centred in `box`, as long as the box's smaller side, pointing `degrees` clockwise from the
// positive x axis (screen angles: 90 points down).
void drawArrowGlyph(HDC dc, const RECT& box, double degrees, COLORREF colour);

} // namespace flickmark
