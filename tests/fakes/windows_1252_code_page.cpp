#include "fakes/windows_1252_code_page.h"

#include <array>

namespace flickmark {
namespace {

// The characters of bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the control
// characters of the same number, as the system maps them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t toUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
}

} // namespace

std::string Windows1252CodePage::narrow(std::u16string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = static_cast<char>(c);
        } else {
            for (std::size_t i = 0; i < kHighControls.size(); ++i)
                if (kHighControls[i] == c)
                    byte = static_cast<char>(0x80 + i);
        }
        out += byte;
    }
    return out;
}

std::u16string Windows1252CodePage::widen(std::string_view text) const {
    std::u16string out;
    out.reserve(text.size());
    for (const char c : text)
        out += toUnicode(static_cast<unsigned char>(c));
    return out;
}

} // namespace flickmark
