#include "platform/win32/message_boxes.h"

#include "platform/win32/text_convert.h"

#include <windows.h>

namespace flickmark {

// The program has no window of its own in front, so the box is owned by none and asks for the foreground.
void Win32MessageBoxes::warn(const std::string& text) {
    show(text, MB_ICONWARNING);
}

void Win32MessageBoxes::inform(const std::string& text) {
    show(text, MB_ICONINFORMATION);
}

void Win32MessageBoxes::show(const std::string& text, unsigned int icon) {
    const std::wstring wide = win32::widen(text);
    const NestedLoopGuard guard(loops_);
    ::MessageBoxW(nullptr, wide.c_str(), L"Flickmark", MB_OK | icon | MB_SETFOREGROUND | MB_TOPMOST);
}

} // namespace flickmark
