// Draws a gesture preview with GDI: a white picture, the path in black dotted lines, the dots filled.
#pragma once

#include "overlays/gesture_preview.h"

#include <windows.h>

#include <string_view>

namespace flickmark {

namespace win32 {
class DibCanvas;
}

// Fills (0, 0)-(width, height) of `dc` with white and draws the preview there. The lines are dotted and one
// pixel wide at 100 %; at a larger scale the line and its dots grow with it.
void drawGesturePreview(HDC dc, const GesturePreview& preview);

// Lays `gesture` out for the whole canvas at DPI scale `scale` and draws it; the canvas ends up opaque.
void renderGesturePreview(win32::DibCanvas& canvas, std::string_view gesture, double scale);

} // namespace flickmark
