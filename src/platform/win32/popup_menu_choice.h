// A popup menu, owned: built item by item, then shown until the user chooses an item or dismisses it. Every
// menu's own message loop runs inside a guard that pauses the recognizer: the one call that shows a menu
// takes it, so no caller can forget it.
#pragma once

#include "platform/nested_loop.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <string_view>

#include <windows.h>

namespace flickmark::win32 {

// Every popup menu of the program is shown by this call: `menu` with its top-left corner at `at` (screen
// coordinates) for `owner`, either mouse button choosing, inside a guard that pauses the recognizer; returns
// the chosen item's id, 0 when none was chosen. `extraFlags` adds TPM_* flags (TPM_NONOTIFY for a menu the
// owner need not hear of).
inline UINT choosePopupMenuItem(NestedLoops& loops, HMENU menu, HWND owner, POINT at, UINT extraFlags = 0) {
    const NestedLoopGuard guard(loops);
    return static_cast<UINT>(
        ::TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN | extraFlags,
                           at.x, at.y, owner, nullptr));
}

// Where a menu that a button opens goes: at the pointer (moved by `offset`) when the button was clicked,
// under the button when it was pressed from the keyboard.
inline POINT menuPositionFor(HWND button, POINT offset) noexcept {
    POINT cursor{};
    RECT bounds{};
    ::GetWindowRect(button, &bounds);
    if (::GetCursorPos(&cursor) && ::PtInRect(&bounds, cursor))
        return POINT{cursor.x + offset.x, cursor.y + offset.y};
    return POINT{bounds.left, bounds.bottom};
}

class PopupMenu {
public:
    // A menu the system could not create is empty and chooses nothing (see created()).
    PopupMenu() : menu_(::CreatePopupMenu()) {}

    bool created() const noexcept { return static_cast<bool>(menu_); }
    HMENU handle() const noexcept { return menu_.get(); }

    PopupMenu& item(UINT id, std::string_view caption, bool enabled = true) {
        ::AppendMenuW(menu_.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id,
                      widen(caption).c_str());
        return *this;
    }
    PopupMenu& separator() {
        ::AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
        return *this;
    }

    UINT choose(NestedLoops& loops, HWND owner, POINT at) const {
        return created() ? choosePopupMenuItem(loops, menu_.get(), owner, at) : 0;
    }

private:
    UniqueMenu menu_;
};

} // namespace flickmark::win32
