#include "platform/win32/clipboard.h"

#include "platform/win32/text_convert.h"

#include <windows.h>

#include <cwchar>

namespace flickmark {
namespace {

// Holds the clipboard open for one operation. Another program (often a clipboard manager) may hold it for
// a moment, so opening is tried a few times before giving up.
class OpenedClipboard {
public:
    OpenedClipboard() {
        for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
            open_ = OpenClipboard(nullptr) != FALSE;
            if (!open_)
                Sleep(10);
        }
    }
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

} // namespace

std::string Win32Clipboard::readText() {
    OpenedClipboard clipboard;
    if (!clipboard)
        return "";
    // GetClipboardData returns NULL when no text format is available; the system converts 8-bit text.
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return "";
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text)
        return "";
    // The block may lack its terminating zero when another program put it there carelessly.
    const std::string result =
        win32::narrow(std::wstring_view(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t))));
    GlobalUnlock(data);
    return result;
}

bool Win32Clipboard::clear() {
    OpenedClipboard clipboard;
    return clipboard && EmptyClipboard() != FALSE;
}

} // namespace flickmark
