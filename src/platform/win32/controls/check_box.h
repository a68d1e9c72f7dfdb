// A check box (a BS_AUTOCHECKBOX button), not owned.
#pragma once

#include <windows.h>

namespace flickmark::win32 {

class CheckBox {
public:
    explicit CheckBox(HWND control) noexcept : control_(control) {}
    HWND hwnd() const noexcept { return control_; }

    // An indeterminate state (three-state boxes only) counts as not checked.
    bool checked() const noexcept { return ::SendMessageW(control_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void setChecked(bool checked) const noexcept {
        ::SendMessageW(control_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

private:
    HWND control_;
};

} // namespace flickmark::win32
