#include "platform/win32/text_convert.h"

#include "base/unicode_text.h"

#include <windows.h>

namespace flickmark::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

std::wstring widen(std::string_view text) {
    const std::u16string wide = utf16FromWtf8(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string narrow(std::wstring_view text) {
    return wtf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::wstring widenFromAnsi(std::string_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), needed);
    return out;
}

std::string narrowToAnsiBestFit(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string out(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, out.data(), needed, nullptr, nullptr);
    return out;
}

} // namespace flickmark::win32
