// The preview of a gesture in the popup window, for example beside the highlighted entry of a menu.
#pragma once

#include "base/geometry.h"

#include <windows.h>

#include <string_view>

namespace flickmark {

class PopupWindow;

// Shows `gesture` drawn as in the gestures window, its picture scaled for `dpi` (the DPI of the monitor at
// `at`, win32::dpiAtPoint), with its top-left corner near `at`. Like every show of the popup it does
// nothing while the popup is showing: hide the popup first to show another gesture. A string without
// direction codes shows nothing. Never throws.
void showGesturePreview(PopupWindow& popup, std::string_view gesture, Point at, UINT dpi);

} // namespace flickmark
