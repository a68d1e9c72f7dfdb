// The program's text is UTF-8; the system's wide calls and files saved as UTF-16 take UTF-16. Conversions
// between the two follow the system's own (MultiByteToWideChar and WideCharToMultiByte with CP_UTF8), so a
// text reads the same whichever side converts it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace flickmark {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character of UTF-8 starting at `at`, which moves past it. A broken sequence gives U+FFFD and ends
// before the first byte that does not fit, which starts the next character; a sequence that the end of
// `bytes` cuts off gives U+FFFD and moves `at` to `cutOffEnd` (the system's decoder swallows the rest).
char32_t decodeUtf8Character(std::string_view bytes, std::size_t& at, std::size_t cutOffEnd);
// A code point as UTF-8; a surrogate, which has no UTF-8 form, as U+FFFD.
void appendUtf8(std::string& out, char32_t c);
// A code point as UTF-16: one unit, or a surrogate pair above U+FFFF.
void appendUtf16(std::u16string& out, char32_t c);

std::u16string utf16FromUtf8(std::string_view text);
// Half a surrogate pair becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// The system's wide text (paths above all) as the program's text and back, without loss: well-formed UTF-16
// gives UTF-8, and half a surrogate pair, which UTF-8 cannot hold, its own three bytes (ED A0 80 to ED BF
// BF), which read back as that half. Any other broken UTF-8 reads as utf16FromUtf8 reads it.
std::string wtf8FromUtf16(std::u16string_view text);
std::u16string utf16FromWtf8(std::string_view text);

} // namespace flickmark
