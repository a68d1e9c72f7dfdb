#include "settings/setting_values.h"

#include "base/ascii_text.h"
#include "settings/decimal_text.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace flickmark {

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
    const std::optional<double> value = readDecimal(normalized);
    // Decimal settings reach their users as 32-bit floats: a value a float cannot hold is unreadable.
    if (!value ||
        !(*value >= -std::numeric_limits<float>::max() && *value <= std::numeric_limits<float>::max()))
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
    return writeDecimal(value);
}

} // namespace flickmark
