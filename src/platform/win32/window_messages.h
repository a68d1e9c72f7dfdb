// Typed forms of the messages every window understands: its text, the font it draws it with, its icons.
#pragma once

#include <windows.h>

#include <string>

namespace flickmark::win32 {

inline std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Null while the control uses the system font.
inline HFONT fontOf(HWND window) noexcept {
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}
// The window does not own `font`: keep it alive while the window uses it.
inline void setFont(HWND window, HFONT font, bool redraw) noexcept {
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

// The title bar's and the taskbar's icons; the window does not own them.
inline void setIcons(HWND window, HICON big, HICON small) noexcept {
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

} // namespace flickmark::win32
