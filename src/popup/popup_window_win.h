// The popup window: a small borderless, topmost window near the cursor that shows a direction arrow, a
// few lines of text or a picture. It never takes the focus or a click (clicks reach the window below), has no
// taskbar button and stays fully on the work area of its monitor.
//
// A show while the popup is showing does nothing; the next show after hide() takes effect.
#pragma once

#include "base/direction.h"
#include "platform/win32/window_base.h"
#include "popup/popup_placement.h"

#include <optional>
#include <string_view>

namespace flickmark {

namespace win32 {
class DibCanvas;
}

class PopupWindow final : private win32::WindowBase {
public:
    // Creates the (hidden) window. Throws win32::Win32Error when that fails.
    PopupWindow();
    ~PopupWindow() override;

    // An arrow tile about 48 x 48 logical pixels at the DPI of the monitor at `at`.
    void showArrow(Direction direction, Point at);
    void hide();
    bool isShowing() const { return showing_; }
    // The top-left corner of the last show, after placement.
    Point position() const { return position_; }

    // UTF-8 text, without header; see showWideText.
    void showText(std::string_view text, Point at);
    void showText(std::string_view text, Point at, std::string_view extra, bool hint);
    // Text near `at`: the body below an optional header band that holds the hint line (`hint`) and the
    // hotkey line (`extra`). Lines are broken to the maximum width.
    void showWideText(std::u16string_view text, Point at, std::u16string_view extra = {}, bool hint = false);

    // A ready picture near `at` in a thin frame: shrunk to fit the maximum size (never enlarged), at least
    // 20 pixels a side. The popup keeps its own copy; `picture` may go once this returns.
    void showPicture(const win32::DibCanvas& picture, Point at);

    // Replaces the default maximum size of texts and pictures (300 x 300 logical pixels) by a size in
    // physical pixels; nullopt restores the default.
    void setSizeLimit(std::optional<PopupSize> limit) { sizeLimit_ = limit; }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    PopupSize maximumSize(UINT dpi) const;
    // Draw and show; they throw win32::Win32Error when a bitmap cannot be created.
    void drawArrow(Direction direction, Point at);
    void drawText(std::u16string_view text, Point at, std::u16string_view extra, bool hint);
    void drawPicture(const win32::DibCanvas& picture, Point at);
    void present(const win32::DibCanvas& canvas, const Rect& placed);

    bool showing_ = false;
    Point position_;
    std::optional<PopupSize> sizeLimit_;
};

} // namespace flickmark
