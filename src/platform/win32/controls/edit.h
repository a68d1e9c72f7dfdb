// An edit control, not owned.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

class Edit {
public:
    explicit Edit(HWND control) noexcept : control_(control) {}
    HWND hwnd() const noexcept { return control_; }

    int textLength() const noexcept { return ::GetWindowTextLengthW(control_); }
    void select(int start, int end) const noexcept {
        ::SendMessageW(control_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
    // The caret after the last character, nothing selected.
    void placeCaretAtEnd() const noexcept {
        const int end = textLength();
        select(end, end);
    }
    void scrollCaretIntoView() const noexcept { ::SendMessageW(control_, EM_SCROLLCARET, 0, 0); }
    // As much text as the system allows, not the default 32,767 characters.
    void removeTextLimit() const noexcept { ::SendMessageW(control_, EM_SETLIMITTEXT, 0, 0); }

private:
    HWND control_;
};

} // namespace flickmark::win32
