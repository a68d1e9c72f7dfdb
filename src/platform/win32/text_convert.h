// Conversions between the program's 8-bit text (system code page), UTF-8 and the UTF-16 text of Win32 calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flickmark::win32 {

std::wstring widen(std::string_view text);
// Characters the code page cannot represent become its default character ('?'), never a look-alike.
std::string narrow(std::wstring_view text);
// As the system's own conversions do (the profile functions among them): a character the code page cannot
// represent becomes its best-fit look-alike where there is one (a with a macron -> 'a'), else the default
// character.
std::string narrowBestFit(std::wstring_view text);
// The text in the system code page only when every character has its own form there (no default character,
// no best-fit look-alike that would name another file).
std::optional<std::string> narrowExactly(std::wstring_view text);

std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

} // namespace flickmark::win32
