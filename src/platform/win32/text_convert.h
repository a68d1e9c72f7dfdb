// Conversions between the program's text (UTF-8) and the UTF-16 text of Win32 calls, and between UTF-16 and
// the system's 8-bit code page (the ANSI code page) for the code-page port.
#pragma once

#include <string>
#include <string_view>

namespace flickmark::win32 {

// Without loss both ways: half a surrogate pair (a file name may hold one) keeps its own three bytes in the
// program's text, so a path read from the system names the same file when it goes back (see wtf8FromUtf16).
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// 8-bit text in the ANSI code page.
std::wstring widenFromAnsi(std::string_view text);
// As the system's own conversions do (the profile functions among them): a character the code page cannot
// represent becomes its best-fit look-alike where there is one (a with a macron -> 'a'), else the default
// character.
std::string narrowToAnsiBestFit(std::wstring_view text);

} // namespace flickmark::win32
