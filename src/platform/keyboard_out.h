// Keyboard output port: synthetic key events for whatever window has the keyboard focus, and the
// keyboard-layout queries needed to compute them.
#pragma once

#include <cstdint>

namespace flickmark {

namespace key_event {
constexpr std::uint32_t kExtendedKey = 0x1; // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t kKeyUp = 0x2;       // KEYEVENTF_KEYUP
} // namespace key_event

class KeyboardOut {
public:
    virtual ~KeyboardOut() = default;
    // One key event; flags 0 is a key press. False when the system refused it (nothing was sent), for
    // example because the foreground window belongs to a program running with higher rights.
    virtual bool keyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
    // Virtual key (low byte) and shift state (high byte) that type `character` in the current layout;
    // -1 when no key produces it.
    virtual int vkKeyScan(char character) = 0;
    // Scan code of a virtual key in the current layout, without the extended-key prefix; 0 when it has none.
    virtual unsigned mapVirtualKey(unsigned virtualKey) = 0;
};

} // namespace flickmark
