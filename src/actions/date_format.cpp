#include "actions/date_format.h"

#include <cctype>

namespace flickmark {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != prefix[i])
            return false;
    return true;
}

std::string number(int value, bool twoDigits) {
    std::string text = std::to_string(value);
    if (twoDigits && text.size() < 2)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

std::string formatDateTime(std::string_view pattern, const LocalDateTime& time) {
    bool twelveHour = false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        twelveHour = twelveHour || startsWithIgnoringCase(pattern.substr(i), "am/pm");
    int hour = time.hour;
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }

    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (startsWithIgnoringCase(pattern.substr(i), "am/pm")) {
            const bool upper = c == 'A';
            out += time.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
            continue;
        }
        const char letter = lower(c);
        std::size_t run = 1;
        while (i + run < pattern.size() && lower(pattern[i + run]) == letter)
            ++run;
        switch (letter) {
        case 'y':
            if (run >= 4) {
                out += number(time.year, false);
                i += 4;
            } else {
                out += number(time.year % 100, true);
                i += run >= 2 ? 2 : 1;
            }
            continue;
        case 'm':
        case 'd':
        case 'h':
        case 'n':
        case 's': {
            const int value = letter == 'm'   ? time.month
                              : letter == 'd' ? time.day
                              : letter == 'h' ? hour
                              : letter == 'n' ? time.minute
                                              : time.second;
            const bool twoDigits = run >= 2;
            out += number(value, twoDigits);
            i += twoDigits ? 2 : 1;
            continue;
        }
        default:
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace flickmark
