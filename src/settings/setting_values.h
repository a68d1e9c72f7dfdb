// Text formats of setting values, shared by the settings file and the replay tool.
//  integer: decimal, or hexadecimal after "0x"/"0X"; anything else is unreadable.
//  boolean: an integer; non-zero is true; written as "1" or "0".
//  decimal: read with "." or "," as separator, written with "." in the fewest digits that read back as the
//           same value; values beyond the range of a 32-bit float are unreadable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

std::optional<int> parseIntegerSetting(std::string_view text);
std::optional<bool> parseBooleanSetting(std::string_view text);
std::optional<double> parseDecimalSetting(std::string_view text);

std::string formatIntegerSetting(int value);
std::string formatBooleanSetting(bool value);
std::string formatDecimalSetting(double value);

} // namespace flickmark
