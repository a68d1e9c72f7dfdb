#include "editors/key_press.h"

#include "base/virtual_keys.h"

namespace flickmark {
namespace {

constexpr std::uint8_t kRightShiftScanCode = 0x36; // set 1, every PC keyboard

} // namespace

// A stored keystroke is one virtual-key code plus four modifier flags, so some keys share a stored form
// and are played back as the first key named:
// - Enter and keypad Enter (no code of its own for the keypad one);
// - the navigation block and the keypad with Num Lock off: Insert, Delete, Home, End, Page Up, Page Down
//   and the arrows arrive with the same code from either place (keypad 5 is CLEAR, a code of its own);
// - a modifier held with another key is a flag, which cannot say the side: Ctrl+A and right Ctrl+A, likewise
//   Shift, Alt and the Windows keys; AltGr held with another key is Ctrl+Alt, which is what Windows itself
//   makes of it;
// - the left and the shared code of Ctrl, Shift and Alt pressed alone: the shared code plays the left key.
// Kept apart: the right Ctrl, Shift, Alt (AltGr) and Windows keys pressed alone, keypad digits with Num Lock
// on, the keypad's / * - + and decimal keys, and Ctrl+Pause (BREAK).
std::uint16_t storedKey(const KeyPress& press) {
    switch (press.virtualKey) {
    case vk::Control:
        return press.extended ? vk::RightControl : vk::Control;
    case vk::Menu:
        return press.extended ? vk::RightMenu : vk::Menu;
    case vk::Shift:
        return press.scanCode == kRightShiftScanCode ? vk::RightShift : vk::Shift;
    default:
        return press.virtualKey;
    }
}

bool isAltGrCtrl(const KeyPress& ctrl, const KeyPress& next) {
    return ctrl.virtualKey == vk::Control && !ctrl.extended && storedKey(next) == vk::RightMenu &&
           ctrl.timeMs == next.timeMs;
}

} // namespace flickmark
