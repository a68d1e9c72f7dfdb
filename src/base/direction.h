// Direction codes and gesture strings: the vocabulary every area shares.
//
// A gesture string holds the direction codes of one gesture as decimal digits in drawing order
// ("03" is Up then Right), never two equal digits in a row and never '8'.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

// The values are the codes gesture strings store as digits: Up 0 ... SW 7, None 8.
enum class Direction : std::uint8_t { Up, Down, Left, Right, NE, NW, SE, SW, None };

// The eight directions a gesture can hold, in code order.
inline constexpr std::array<Direction, 8> kGestureDirections = {
    Direction::Up, Direction::Down, Direction::Left, Direction::Right,
    Direction::NE, Direction::NW,   Direction::SE,   Direction::SW,
};

// The direction's code, for tables indexed by direction (None is 8).
inline constexpr std::size_t toIndex(Direction d) {
    return static_cast<std::size_t>(d);
}
// The direction of a code (0..8); another code below 256 gives a value that is no direction, which every
// function of this header treats as unknown.
inline constexpr Direction directionFromIndex(std::size_t code) {
    return static_cast<Direction>(code);
}
// The digit a gesture string holds for d: '0'..'7' ('8' for None).
inline constexpr char directionDigit(Direction d) {
    return static_cast<char>('0' + toIndex(d));
}
// The direction of a gesture-string digit; None for any character other than '0'..'7'.
inline constexpr Direction directionFromDigit(char c) {
    return c >= '0' && c <= '7' ? directionFromIndex(static_cast<std::size_t>(c - '0')) : Direction::None;
}

inline constexpr bool isDiagonal(Direction d) {
    return d >= Direction::NE && d <= Direction::SW;
}
inline constexpr bool isCardinal(Direction d) {
    return d <= Direction::Right;
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
