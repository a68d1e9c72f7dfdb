#include "platform/win32/sign_in_start.h"

#include "platform/win32/text_convert.h"

#include <windows.h>

#include <string>

namespace flickmark {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"Flickmark";

} // namespace

std::optional<std::string> Win32SignInStart::command() const {
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName,
                       RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, nullptr,
                       &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, kRunKey, kValueName,
                       RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, text.data(),
                       &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(text.find(L'\0'));
    return win32::narrow(text);
}

bool Win32SignInStart::setCommand(const std::string& command) {
    const std::wstring text = win32::widen(command);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName, REG_SZ, text.c_str(), bytes) ==
           ERROR_SUCCESS;
}

bool Win32SignInStart::remove() {
    const LSTATUS status = ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

} // namespace flickmark
