// A thin, non-owning wrapper of a push button; the dialog owns the control.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

class Button {
public:
    explicit Button(HWND control = nullptr) noexcept : hwnd_(control) {}
    HWND hwnd() const noexcept { return hwnd_; }

    // A disabled button takes no clicks and is skipped by Tab.
    void enable(bool enabled) const noexcept { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }
    bool enabled() const noexcept { return ::IsWindowEnabled(hwnd_) != FALSE; }

private:
    HWND hwnd_;
};

} // namespace flickmark::win32
