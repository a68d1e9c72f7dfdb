// Conversions between the program's 8-bit text (system code page) and the UTF-16 text of Win32 calls.
#pragma once

#include <string>
#include <string_view>

namespace flickmark::win32 {

std::wstring widen(std::string_view text);
// Characters the code page cannot represent become its default character.
std::string narrow(std::wstring_view text);

} // namespace flickmark::win32
