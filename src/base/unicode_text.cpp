#include "base/unicode_text.h"

#include <cstdint>

namespace flickmark {
namespace {

unsigned char byteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

bool isHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

char32_t decodeUtf8Character(std::string_view bytes, std::size_t& at, std::size_t cutOffEnd) {
    const unsigned char lead = byteAt(bytes, at++);
    if (lead < 0x80)
        return lead;
    const int continuations = lead >= 0xC2 && lead <= 0xDF   ? 1
                              : lead >= 0xE0 && lead <= 0xEF ? 2
                              : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                             : 0;
    if (static_cast<std::size_t>(continuations) > bytes.size() - at) {
        at = cutOffEnd;
        return kReplacementCharacter;
    }
    if (continuations == 0)
        return kReplacementCharacter;
    constexpr unsigned char kLeadMasks[] = {0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t value = lead & kLeadMasks[continuations];
    const auto next = [&](std::uint32_t& bits) {
        bits = static_cast<unsigned char>(byteAt(bytes, at) ^ 0x80);
        return bits < 0x40;
    };
    std::uint32_t bits = 0;
    if (continuations == 3) {
        if (!next(bits))
            return kReplacementCharacter;
        value = value << 6 | bits;
        ++at;
        if (value < 0x10) // overlong
            return kReplacementCharacter;
    }
    if (continuations >= 2) {
        if (!next(bits))
            return kReplacementCharacter;
        value = value << 6 | bits;
        if (value >= (0x110000 >> 6)) // beyond Unicode: the byte is not taken
            return kReplacementCharacter;
        ++at;
        if (value < 0x20 || (value >= (0xD800 >> 6) && value <= (0xDFFF >> 6))) // overlong or surrogate
            return kReplacementCharacter;
    }
    if (!next(bits))
        return kReplacementCharacter;
    value = value << 6 | bits;
    ++at;
    return value < 0x80 ? kReplacementCharacter : static_cast<char32_t>(value);
}

void appendUtf8(std::string& out, char32_t c) {
    if (isHighSurrogate(c) || isLowSurrogate(c))
        c = kReplacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c > 0xFFFF) {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<char16_t>(c);
    }
}

std::u16string utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();)
        appendUtf16(out, decodeUtf8Character(text, at, text.size()));
    return out;
}

namespace {

// Each code point of UTF-16 text in turn; half a surrogate pair as itself.
template <typename Visit> void forEachCodePoint(std::u16string_view text, Visit visit) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        visit(c);
    }
}

} // namespace

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c) { appendUtf8(out, c); });
    return out;
}

std::string wtf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    forEachCodePoint(text, [&](char32_t c) {
        if (isHighSurrogate(c) || isLowSurrogate(c)) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            appendUtf8(out, c);
        }
    });
    return out;
}

std::u16string utf16FromWtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const bool surrogate = text.size() - at >= 3 && byteAt(text, at) == 0xED &&
                               byteAt(text, at + 1) >= 0xA0 && byteAt(text, at + 1) <= 0xBF &&
                               (byteAt(text, at + 2) & 0xC0) == 0x80;
        if (surrogate) {
            out += static_cast<char16_t>(0xD000 | (byteAt(text, at + 1) & 0x3F) << 6 |
                                         (byteAt(text, at + 2) & 0x3F));
            at += 3;
        } else {
            appendUtf16(out, decodeUtf8Character(text, at, text.size()));
        }
    }
    return out;
}

} // namespace flickmark
