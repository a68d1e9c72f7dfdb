// A thin, non-owning wrapper of a combo box (a drop-down list, or one the user may also type into); the
// dialog owns the control.
#pragma once

#include <windows.h>

#include <string>

namespace flickmark::win32 {

class ComboBox {
public:
    explicit ComboBox(HWND control = nullptr) noexcept : hwnd_(control) {}
    HWND hwnd() const noexcept { return hwnd_; }

    int count() const noexcept { return static_cast<int>(::SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }
    void clear() const noexcept { ::SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0); }
    // Appends an item carrying a value; returns its index, or -1 (CB_ERR, CB_ERRSPACE) on failure.
    int addItem(const std::wstring& text, LPARAM value = 0) const noexcept {
        const auto index =
            static_cast<int>(::SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
        if (index >= 0)
            ::SendMessageW(hwnd_, CB_SETITEMDATA, static_cast<WPARAM>(index), value);
        return index;
    }
    // The value of an item (CB_ERR for an index that names none).
    LPARAM value(int index) const noexcept {
        return ::SendMessageW(hwnd_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    }
    // The first item with this value, or -1.
    int findValue(LPARAM value) const noexcept {
        for (int i = 0, n = count(); i < n; ++i)
            if (this->value(i) == value)
                return i;
        return -1;
    }
    // -1 when nothing is selected (CB_ERR).
    int selectedIndex() const noexcept { return static_cast<int>(::SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }
    // -1 clears the selection.
    void select(int index) const noexcept {
        ::SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

private:
    HWND hwnd_;
};

} // namespace flickmark::win32
