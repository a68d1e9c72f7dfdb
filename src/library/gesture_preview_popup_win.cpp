#include "library/gesture_preview_popup_win.h"

#include "overlays/gesture_preview.h"
#include "overlays/gesture_preview_win.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_base.h"
#include "popup/popup_window_win.h"

#include <algorithm>
#include <exception>

namespace flickmark {

void showGesturePreview(PopupWindow& popup, std::string_view gesture, Point at, UINT dpi) {
    const bool hasCodes = std::ranges::any_of(gesture, [](char c) { return c >= '0' && c <= '7'; });
    if (popup.isShowing() || !hasCodes)
        return;
    if (dpi == 0)
        dpi = win32::kDefaultDpi;
    try {
        const double scale = static_cast<double>(dpi) / win32::kDefaultDpi;
        win32::DibCanvas picture(win32::scaleToDpi(kGesturePreviewWidth, dpi),
                                 win32::scaleToDpi(kGesturePreviewHeight, dpi));
        renderGesturePreview(picture, gesture, scale);
        popup.showPicture(picture, at);
    } catch (const std::exception& e) {
        win32::reportUnexpected("gesture preview", e.what());
    }
}

} // namespace flickmark
