#include "settings/setting_values.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace flickmark {
namespace {

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// [-]digits[.digits][e[+-]digits] with a digit before or after the point: the decimal form of a number
// and nothing else (no blanks, no hexadecimal, no "inf" or "nan", all of which strtod would take).
bool isPlainDecimal(std::string_view text) {
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        return end - from;
    };
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t mantissaDigits = digitsFrom(i);
    i += mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = digitsFrom(i + 1);
        i += 1 + fraction;
        mantissaDigits += fraction;
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponentDigits = digitsFrom(i);
        if (exponentDigits == 0)
            return false;
        i += exponentDigits;
    }
    return i == text.size();
}

} // namespace

std::optional<int> parseIntegerSetting(std::string_view text) {
    text = trimBlanks(text);
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::uint32_t value = 0;
        const auto digits = text.substr(2);
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (ec != std::errc{} || end != digits.data() + digits.size())
            return std::nullopt;
        return static_cast<int>(value);
    }
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<bool> parseBooleanSetting(std::string_view text) {
    const auto value = parseIntegerSetting(text);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

std::optional<double> parseDecimalSetting(std::string_view text) {
    std::string normalized(trimBlanks(text));
    for (char& c : normalized)
        if (c == ',')
            c = '.';
    if (!normalized.empty() && normalized.front() == '+')
        normalized.erase(0, 1);
    if (!isPlainDecimal(normalized))
        return std::nullopt;
    // strtod, not from_chars: the program never changes the C locale, so the point is '.', and the
    // floating-point from_chars would add a large part of the C++ runtime to the exe.
    errno = 0;
    const double value = std::strtod(normalized.c_str(), nullptr);
    if (errno == ERANGE)
        return std::nullopt; // too large or too small for a double
    // Decimal settings reach their users as 32-bit floats: a value a float cannot hold is unreadable.
    if (!(value >= -std::numeric_limits<float>::max() && value <= std::numeric_limits<float>::max()))
        return std::nullopt;
    return value;
}

std::string formatIntegerSetting(int value) {
    return std::to_string(value);
}

std::string formatBooleanSetting(bool value) {
    return value ? "1" : "0";
}

std::string formatDecimalSetting(double value) {
    // The shortest "%g" text that reads back as the same double (what to_chars gives, without the large
    // floating-point part of the C++ runtime it brings). The C locale is never changed, so the point is '.'.
    char buffer[64] = "0";
    for (int precision = 1; precision <= std::numeric_limits<double>::max_digits10; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

} // namespace flickmark
