#include "platform/win32/text_code_page.h"

#include "platform/win32/text_convert.h"

namespace flickmark {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

std::string Win32TextCodePage::narrow(std::u16string_view text) const {
    return win32::narrowToAnsiBestFit(
        std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
}

std::u16string Win32TextCodePage::widen(std::string_view text) const {
    const std::wstring wide = win32::widenFromAnsi(text);
    return std::u16string(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
}

} // namespace flickmark
