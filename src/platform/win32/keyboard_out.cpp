#include "platform/win32/keyboard_out.h"

#include <windows.h>

namespace flickmark {

// SendInput returns the number of events it inserted: 0 when the input was refused (blocked by another
// thread, or by a desktop or foreground window of higher integrity). Input that UIPI drops may still be
// counted as sent; nothing reports that.
bool Win32KeyboardOut::keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = scanCode;
    input.ki.dwFlags = flags;
    return ::SendInput(1, &input, sizeof input) == 1;
}

// VkKeyScanA returns -1 (both bytes) when no key of the current layout types the character.
int Win32KeyboardOut::vkKeyScan(char character) {
    return ::VkKeyScanA(character);
}

// MapVirtualKeyW returns 0 when the key has no scan code.
unsigned Win32KeyboardOut::mapVirtualKey(unsigned virtualKey) {
    return ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
}

} // namespace flickmark
