// The popup window serves two areas through their own ports: the recognizer's arrows and the gesture
// library's short texts and menu previews. The popup knows neither area; these adapters join them.
#pragma once

#include "library/gesture_preview_popup_win.h"
#include "library/menu_preview.h"
#include "library/text_popup.h"
#include "overlays/gesture_preview.h"
#include "platform/win32/dpi.h"
#include "popup/popup_window_win.h"
#include "recognizer/arrow_popup.h"

#include <algorithm>
#include <string>

namespace flickmark {

class ArrowPopupWindow final : public ArrowPopup {
public:
    explicit ArrowPopupWindow(PopupWindow& window) : window_(window) {}

    void showArrow(Direction direction, Point at) override { window_.showArrow(direction, at); }
    void hide() override { window_.hide(); }
    bool isShowing() const override { return window_.isShowing(); }
    Point position() const override { return window_.position(); }

private:
    PopupWindow& window_;
};

class TextPopupWindow final : public TextPopup {
public:
    explicit TextPopupWindow(PopupWindow& window) : window_(window) {}

    void showText(std::string_view text, Point at) override { window_.showText(text, at); }
    void hide() override { window_.hide(); }
    bool isShowing() const override { return window_.isShowing(); }

private:
    PopupWindow& window_;
};

class MenuPreviewWindow final : public MenuPreview {
public:
    explicit MenuPreviewWindow(PopupWindow& window) : window_(window) {}

    void showPreview(const std::string& gesture, Rect item) override {
        window_.hide();
        const POINT itemCentre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        const UINT dpi = win32::dpiAtPoint(itemCentre);
        const int frame = 2 * std::max(1, win32::scaleToDpi(1, dpi));
        const PopupSize size{win32::scaleToDpi(kGesturePreviewWidth, dpi) + frame,
                             win32::scaleToDpi(kGesturePreviewHeight, dpi) + frame};
        const RECT work = win32::workAreaAtPoint(itemCentre);
        const Point at = menuPreviewCorner(item, size, Rect{work.left, work.top, work.right, work.bottom});
        showGesturePreview(window_, gesture, at, dpi);
    }
    void hidePreview() override { window_.hide(); }

private:
    PopupWindow& window_;
};

} // namespace flickmark
