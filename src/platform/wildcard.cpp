#include "platform/wildcard.h"

#include <cstddef>

namespace flickmark {
namespace {

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the UTF-8 character after the one starting at `at` starts.
std::size_t nextCharacter(std::string_view text, std::size_t at) {
    do
        ++at;
    while (at < text.size() && isContinuationByte(text[at]));
    return at;
}

} // namespace

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    // Greedy match with one backtrack point: the last '*' seen and the name position it was tried at.
    std::size_t n = 0, p = 0;
    std::size_t starPattern = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n = nextCharacter(name, n);
        } else if (p < pattern.size() && foldAscii(pattern[p]) == foldAscii(name[n])) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            n = starName = nextCharacter(name, starName);
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace flickmark
