// Direction codes and gesture strings: the vocabulary every area shares.
//
// A gesture string holds the direction codes of one gesture as decimal digits in drawing order
// ("03" is Up then Right), never two equal digits in a row and never '8'.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

using Direction = std::uint8_t;

namespace dir {
inline constexpr Direction Up = 0;
inline constexpr Direction Down = 1;
inline constexpr Direction Left = 2;
inline constexpr Direction Right = 3;
inline constexpr Direction NE = 4;
inline constexpr Direction NW = 5;
inline constexpr Direction SE = 6;
inline constexpr Direction SW = 7;
inline constexpr Direction None = 8;
} // namespace dir

inline constexpr bool isDiagonal(Direction d) {
    return d >= dir::NE && d <= dir::SW;
}
inline constexpr bool isCardinal(Direction d) {
    return d <= dir::Right;
}

// "Up", "Down", "Left", "Right", "NE", "NW", "SE", "SW", "None"; empty for any other value.
std::string_view directionName(Direction d);
// "UP", "DOWN", ... "SW"; empty for None and other values.
std::string_view directionUpperName(Direction d);
// Nominal angle in degrees, clockwise from the positive x axis (Up 270, NE 315); nullopt for None.
std::optional<int> directionAngle(Direction d);
// A cardinal and a diagonal 45 degrees apart (Up with NE and NW, ...); symmetric.
bool areAdjacent(Direction a, Direction b);
// True when a and b are adjacent and angle lies between their nominal angles, both ends included,
// compared as plain numbers (Right and NE: 0..315).
bool angleBetween(Direction a, Direction b, int angle);

// "03" -> "UP+RIGHT". Characters that are not direction digits are skipped.
std::string gestureDisplayName(std::string_view gesture);
// True for a non-empty string of digits 0..7 with no two equal digits in a row.
bool isGestureString(std::string_view text);

} // namespace flickmark
