// A thin, non-owning wrapper of a multi-line edit control made with WS_VSCROLL that shows text to read:
// its vertical scroll bar shows only while the text is taller than the control. An edit control keeps its
// scroll bar on the screen, disabled, when nothing scrolls; this wrapper hides it then. The dialog owns the
// control.
#pragma once

#include "platform/win32/unique_handle.h"

#include <windows.h>

namespace flickmark::win32 {

class ScrollingText {
public:
    explicit ScrollingText(HWND control = nullptr) noexcept : hwnd_(control) {}
    HWND hwnd() const noexcept { return hwnd_; }

    void setText(const wchar_t* text) const noexcept {
        ::SetWindowTextW(hwnd_, text);
        // Measured with the bar hidden, at the full width: text that fits there needs no bar. Text that does
        // not fit there fits even less beside the bar. (Wine's edit control shows the bar again on its own
        // when it re-wraps text that needs it.)
        ::ShowScrollBar(hwnd_, SB_VERT, FALSE);
        ::ShowScrollBar(hwnd_, SB_VERT, overflows() ? TRUE : FALSE);
    }

private:
    // More lines than the formatting rectangle holds, with lines as tall as the control's font.
    bool overflows() const noexcept {
        const auto lines = static_cast<int>(::SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0));
        RECT format{};
        ::SendMessageW(hwnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const int lineHeight = fontHeight();
        return lineHeight > 0 && lines * lineHeight > format.bottom - format.top;
    }

    int fontHeight() const noexcept {
        const WindowDc dc(hwnd_);
        if (!dc)
            return 0;
        const auto font = reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0));
        const SelectionScope selectFont(dc.get(),
                                        font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
        TEXTMETRICW metrics{};
        return ::GetTextMetricsW(dc.get(), &metrics) ? static_cast<int>(metrics.tmHeight) : 0;
    }

    HWND hwnd_;
};

} // namespace flickmark::win32
