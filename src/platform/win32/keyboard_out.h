// KeyboardOut over SendInput and the layout queries of the current keyboard layout.
#pragma once

#include "platform/keyboard_out.h"

namespace flickmark {

class Win32KeyboardOut final : public KeyboardOut {
public:
    bool keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    int vkKeyScan(char character) override;
    unsigned mapVirtualKey(unsigned virtualKey) override;
};

} // namespace flickmark
