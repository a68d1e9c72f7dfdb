#include "platform/win32/win32_keyboard_out.h"

#include <windows.h>

namespace flickmark {

void Win32KeyboardOut::keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
    // keybd_event reports nothing; input blocked by a higher-integrity foreground window is dropped silently.
    keybd_event(virtualKey, scanCode, flags, 0);
}

// VkKeyScanA returns -1 (both bytes) when no key of the current layout types the character.
int Win32KeyboardOut::vkKeyScan(char character) {
    return VkKeyScanA(character);
}

// MapVirtualKeyA returns 0 when the key has no scan code.
unsigned Win32KeyboardOut::mapVirtualKey(unsigned virtualKey) {
    return MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
}

} // namespace flickmark
