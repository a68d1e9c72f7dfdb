// Virtual-key codes of the keys the program names itself (the keystroke notation stores any code).
#pragma once

#include <cstdint>

namespace flickmark::vk {

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
inline constexpr std::uint8_t Insert = 0x2D;
inline constexpr std::uint8_t Delete = 0x2E;
inline constexpr std::uint8_t LeftWin = 0x5B;
inline constexpr std::uint8_t RightWin = 0x5C;
inline constexpr std::uint8_t Apps = 0x5D;
inline constexpr std::uint8_t Divide = 0x6F;
inline constexpr std::uint8_t NumLock = 0x90;
inline constexpr std::uint8_t RightControl = 0xA3;
inline constexpr std::uint8_t RightMenu = 0xA5;

} // namespace flickmark::vk
