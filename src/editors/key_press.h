// One key message as a key field receives it, and the virtual key that a keystroke stores for it.
#pragma once

#include <cstdint>
#include <string>

namespace flickmark {

struct KeyPress {
    // The code the message carries: Shift, Ctrl and Alt arrive by their shared code whichever side.
    std::uint16_t virtualKey = 0;
    std::uint8_t scanCode = 0;
    bool extended = false;    // the key's scan code has the extended prefix (E0)
    std::uint32_t timeMs = 0; // the message's time
    // The layout's own name for the key, in the program's text (UTF-8); "" when it has none or the press
    // was simulated (a button, an example).
    std::string layoutName;
};

// The virtual key stored for a press: the right-hand Ctrl, Alt and Shift by their own codes, every other
// key by the code it arrived with.
std::uint16_t storedKey(const KeyPress& press);

// Whether `ctrl` is the left Ctrl that Windows presses ahead of AltGr on layouts that have one: a left
// Ctrl press with the same time as the right Alt press that follows it.
bool isAltGrCtrl(const KeyPress& ctrl, const KeyPress& next);

} // namespace flickmark
