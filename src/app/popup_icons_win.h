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

// One picture as a menu item's bitmap (MIIM_BITMAP): 32 bits a pixel with premultiplied alpha, so the
// menu blends it onto its own background. Null when the list has no such picture.
win32::UniqueBitmap menuBitmap(const win32::ImageList& pictures, int index);

} // namespace flickmark
