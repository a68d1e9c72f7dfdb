// What a fuzz target does when a property does not hold: prints the property and the values involved and
// aborts, so libFuzzer saves the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace flickmark::fuzz {

// Shows a text with its control and 8-bit bytes escaped, so that a report can be read and pasted.
inline void printEscaped(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\')
            std::fputs("\\\\", stderr);
        else if (byte < 0x20 || byte >= 0x7F)
            std::fprintf(stderr, "\\x%02X", byte);
        else
            std::fputc(c, stderr);
    }
}

[[noreturn]] inline void fail(const char* property, std::string_view expected = {},
                              std::string_view actual = {}) {
    std::fprintf(stderr, "\n== property violated: %s\n   expected: \"", property);
    printEscaped(expected);
    std::fputs("\"\n   actual:   \"", stderr);
    printEscaped(actual);
    std::fputs("\"\n", stderr);
    std::abort();
}

inline void check(bool holds, const char* property, std::string_view expected = {},
                  std::string_view actual = {}) {
    if (!holds)
        fail(property, expected, actual);
}

} // namespace flickmark::fuzz
