// The shared pictures of the tray menu, the configuration window's tree and the gestures window's set
// selector, in one image list indexed by the kPopupIcon constants (app/tray_menu.h). Index 4 is blank.
#pragma once

#include "platform/win32/controls/image_list.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

namespace flickmark {

// Pictures of 16 pixels at 100 %, scaled to `dpi`. The list may hold fewer pictures (or be empty) when the
// system runs out of resources; its users then show no picture.
win32::ImageList createPopupIcons(UINT dpi);

// The size of the pictures at `dpi`: 16 pixels at 100 %.
int popupIconSize(UINT dpi);
// One of the pictures as an icon of that size, for drawing it elsewhere (a menu item). Null when there is no
// such picture.
win32::UniqueIcon popupIcon(int index, UINT dpi);

} // namespace flickmark
