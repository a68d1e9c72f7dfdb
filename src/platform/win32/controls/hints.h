// A thin, non-owning wrapper of a tooltip control (tooltips_class32) that shows the hints of a window's
// controls while the pointer rests on them. The window's top-level window owns the tooltip and destroys it.
#pragma once

#include <windows.h>

#include <commctrl.h> // after windows.h

namespace flickmark::win32 {

class Hints {
public:
    explicit Hints(HWND tooltip = nullptr) noexcept : hwnd_(tooltip) {}
    HWND hwnd() const noexcept { return hwnd_; }

    // A tooltip for the controls of `window`; its handle is null when it could not be made, and then
    // `add` does nothing.
    static Hints create(HWND window) noexcept {
        return Hints(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                       ::GetModuleHandleW(nullptr), nullptr));
    }

    // Gives `control` its hint; the tooltip keeps a copy of the text. Like every mouse input, the hint
    // does not show while the control is disabled.
    void add(HWND control, const wchar_t* text) const noexcept {
        if (!hwnd_ || !control)
            return;
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = ::GetParent(control);
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = const_cast<wchar_t*>(text);
        ::SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }

private:
    HWND hwnd_;
};

} // namespace flickmark::win32
