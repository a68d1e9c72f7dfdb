#include "platform/win32/input.h"

#include <windows.h>

namespace flickmark {

bool Win32Input::gestureButtonDown() {
    // The gesture button is the logical right button, the one that opens context menus.
    // GetKeyState cannot serve here: it reflects only the input this thread has received, so a background
    // program never sees the button go down over another program's window. GetAsyncKeyState sees every
    // press, but it reports the PHYSICAL buttons and ignores the "swap buttons" setting, so with swapped
    // buttons the logical right button is the physical left one.
    const bool swapped = ::GetSystemMetrics(SM_SWAPBUTTON) != 0;
    const int physicalKey = swapped ? VK_LBUTTON : VK_RBUTTON;
    return (static_cast<unsigned short>(::GetAsyncKeyState(physicalKey)) & 0x8000u) != 0;
}

Point Win32Input::cursorPos() {
    POINT p{};
    if (::GetCursorPos(&p))
        lastCursor_ = Point{p.x, p.y};
    return lastCursor_;
}

bool Win32Input::keyToggled(int virtualKey) {
    // The toggle state (bit 0) is shared by the whole system, so GetKeyState serves for it.
    return (static_cast<unsigned short>(::GetKeyState(virtualKey)) & 0x0001u) != 0;
}

bool Win32Input::keyDown(int virtualKey) {
    // The asynchronous state: the keys of a program in front are not this thread's input.
    return (static_cast<unsigned short>(::GetAsyncKeyState(virtualKey)) & 0x8000u) != 0;
}

std::optional<Rect> Win32Input::cursorClip() {
    RECT clip{};
    if (!::GetClipCursor(&clip))
        return std::nullopt;
    return Rect{clip.left, clip.top, clip.right, clip.bottom};
}

bool Win32Input::cursorHidden() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    // Neither showing nor suppressed (a pen or touch hides it for a while, which no program asked for).
    return ::GetCursorInfo(&info) && info.flags == 0;
}

} // namespace flickmark
