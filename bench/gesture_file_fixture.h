// Gesture files of many gestures for the benchmarks: distinct gesture strings and a file binding each to a
// keystroke, a keystroke list or a program, in turn.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark::bench {

// `count` distinct gesture strings, shortest first; with a prefix, only strings beginning with it (the
// prefix itself first).
inline std::vector<std::string> gestureStrings(std::size_t count, std::string_view prefix = {}) {
    std::vector<std::string> all;
    std::vector<std::string> frontier = {std::string(prefix)};
    if (!prefix.empty())
        all.push_back(frontier.front());
    while (all.size() < count) {
        std::vector<std::string> next;
        for (const std::string& g : frontier)
            for (char d = '0'; d <= '7' && all.size() < count; ++d)
                if (g.empty() || g.back() != d) {
                    next.push_back(g + d);
                    all.push_back(g + d);
                }
        frontier = std::move(next);
    }
    return all;
}

inline std::string gestureFile(const std::vector<std::string>& gestures) {
    std::string text;
    for (std::size_t i = 0; i < gestures.size(); ++i) {
        const char* type = i % 3 == 0   ? "Multiple Keystrokes"
                           : i % 3 == 1 ? "Keystroke"
                                        : "Run Program / File";
        const char* action = i % 3 == 0   ? "010043CTRL+C|000056V"
                             : i % 3 == 1 ? "000074F5"
                                          : "C:\\Tools\\app.exe|";
        text += "[" + gestures[i] + "]\r\nActionType=" + type + "\r\nAction=" + action + "\r\n";
    }
    return text;
}

} // namespace flickmark::bench
