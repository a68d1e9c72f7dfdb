#include "platform/win32/text_convert.h"

#include <windows.h>

namespace flickmark::win32 {
namespace {

std::wstring toWide(UINT codePage, std::string_view text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::wstring out(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), needed);
    return out;
}

// `usedDefault` must be null for UTF-8, which takes no default character.
std::string toBytes(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int needed =
        ::WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, usedDefault);
    if (needed <= 0)
        return {};
    std::string out(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage, flags, text.data(), length, out.data(), needed, nullptr, usedDefault);
    return out;
}

} // namespace

std::wstring widen(std::string_view text) {
    return toWide(CP_ACP, text);
}

std::string narrow(std::wstring_view text) {
    return toBytes(CP_ACP, WC_NO_BEST_FIT_CHARS, text, nullptr);
}

std::string narrowBestFit(std::wstring_view text) {
    return toBytes(CP_ACP, 0, text, nullptr);
}

std::optional<std::string> narrowExactly(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    std::string out = toBytes(CP_ACP, WC_NO_BEST_FIT_CHARS, text, &usedDefault);
    // The round trip also catches a best-fit mapping on a system that ignores WC_NO_BEST_FIT_CHARS.
    if (usedDefault || toWide(CP_ACP, out) != text)
        return std::nullopt;
    return out;
}

std::string toUtf8(std::wstring_view text) {
    return toBytes(CP_UTF8, 0, text, nullptr);
}

std::wstring fromUtf8(std::string_view text) {
    return toWide(CP_UTF8, text);
}

} // namespace flickmark::win32
