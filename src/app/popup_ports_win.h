// The popup window serves two areas through their own ports: the recognizer's arrows and the gesture
// library's short texts. The popup knows neither area; these adapters join them.
#pragma once

#include "library/text_popup.h"
#include "popup/tooltip_window_win.h"
#include "recognizer/arrow_popup.h"

namespace flickmark {

class ArrowPopupWindow final : public ArrowPopup {
public:
    explicit ArrowPopupWindow(TooltipWindow& window) : window_(window) {}

    void showArrow(Direction direction, Point at) override { window_.showArrow(direction, at); }
    void hide() override { window_.hide(); }
    bool isShowing() const override { return window_.isShowing(); }
    Point position() const override { return window_.position(); }

private:
    TooltipWindow& window_;
};

class TextPopupWindow final : public TextPopup {
public:
    explicit TextPopupWindow(TooltipWindow& window) : window_(window) {}

    void showText(std::string_view text, Point at) override { window_.showText(text, at); }
    void hide() override { window_.hide(); }
    bool isShowing() const override { return window_.isShowing(); }

private:
    TooltipWindow& window_;
};

} // namespace flickmark
