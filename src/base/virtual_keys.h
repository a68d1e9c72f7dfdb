// Virtual-key codes of the keys the program names itself (the keystroke notation stores any code), and
// which keys are extended keys.
#pragma once

#include <cstdint>

namespace flickmark::vk {

inline constexpr std::uint8_t Cancel = 0x03; // Ctrl+Break
inline constexpr std::uint8_t Back = 0x08;
inline constexpr std::uint8_t Tab = 0x09;
inline constexpr std::uint8_t Return = 0x0D;
inline constexpr std::uint8_t Shift = 0x10;
inline constexpr std::uint8_t Control = 0x11;
inline constexpr std::uint8_t Menu = 0x12; // Alt
inline constexpr std::uint8_t Escape = 0x1B;
inline constexpr std::uint8_t Space = 0x20;
inline constexpr std::uint8_t Prior = 0x21; // Page Up
inline constexpr std::uint8_t Next = 0x22;  // Page Down
inline constexpr std::uint8_t End = 0x23;
inline constexpr std::uint8_t Home = 0x24;
inline constexpr std::uint8_t Left = 0x25;
inline constexpr std::uint8_t Up = 0x26;
inline constexpr std::uint8_t Right = 0x27;
inline constexpr std::uint8_t Down = 0x28;
inline constexpr std::uint8_t Snapshot = 0x2C; // Print Screen
inline constexpr std::uint8_t Insert = 0x2D;
inline constexpr std::uint8_t Delete = 0x2E;
inline constexpr std::uint8_t LeftWin = 0x5B;
inline constexpr std::uint8_t RightWin = 0x5C;
inline constexpr std::uint8_t Apps = 0x5D;
inline constexpr std::uint8_t Sleep = 0x5F;
inline constexpr std::uint8_t Divide = 0x6F;
inline constexpr std::uint8_t NumLock = 0x90;
inline constexpr std::uint8_t Scroll = 0x91; // Scroll Lock
inline constexpr std::uint8_t LeftShift = 0xA0;
inline constexpr std::uint8_t RightShift = 0xA1;
inline constexpr std::uint8_t LeftControl = 0xA2;
inline constexpr std::uint8_t RightControl = 0xA3;
inline constexpr std::uint8_t LeftMenu = 0xA4;
inline constexpr std::uint8_t RightMenu = 0xA5;   // right Alt, AltGr on layouts that have it
inline constexpr std::uint8_t BrowserBack = 0xA6; // first of the browser, volume, media and launch keys
inline constexpr std::uint8_t LaunchApp2 = 0xB7;  // last of them

// Keys whose scan code carries the extended prefix (0xE0) on PC keyboards, whatever the layout. A synthetic
// event for one of them needs the extended flag, or it arrives as its twin without the prefix: Left as
// keypad 4, Right Ctrl as Left Ctrl, Divide as the slash key, the media keys as letters.
constexpr bool isExtendedKey(std::uint8_t key) {
    switch (key) {
    case Cancel:
    case Prior:
    case Next:
    case End:
    case Home:
    case Left:
    case Up:
    case Right:
    case Down:
    case Insert:
    case Delete:
    case LeftWin:
    case RightWin:
    case Apps:
    case Sleep:
    case Divide:
    case NumLock:
    case RightControl:
    case RightMenu:
        return true;
    default:
        return key >= BrowserBack && key <= LaunchApp2;
    }
}

// The modifier a key is, whichever side: Shift, Ctrl and Alt by their shared code or by the code of one
// side, the Windows key by either side's code.
enum class Modifier { None, WindowsKey, AltKey, CtrlKey, ShiftKey };
constexpr Modifier modifierOf(std::uint16_t key) {
    switch (key) {
    case LeftWin:
    case RightWin:
        return Modifier::WindowsKey;
    case Menu:
    case LeftMenu:
    case RightMenu:
        return Modifier::AltKey;
    case Control:
    case LeftControl:
    case RightControl:
        return Modifier::CtrlKey;
    case Shift:
    case LeftShift:
    case RightShift:
        return Modifier::ShiftKey;
    default:
        return Modifier::None;
    }
}

} // namespace flickmark::vk
