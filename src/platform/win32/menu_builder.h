// Every popup menu of the program is built here, item by item, then shown until the user chooses an item or
// dismisses it. The menu's own message loop runs inside a guard that pauses the recognizer: the one call
// that shows a menu takes it, so no caller can forget it.
#pragma once

#include "base/access_keys.h"
#include "platform/nested_loop.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <string>
#include <string_view>

#include <windows.h>

namespace flickmark::win32 {

// Shows `menu` with its top-left corner at `at` (screen coordinates) for `owner`, either mouse button
// choosing, inside a guard that pauses the recognizer; returns the chosen item's id, 0 when none was
// chosen. `extraFlags` adds TPM_* flags (TPM_NONOTIFY for a menu the owner need not hear of).
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

struct MenuItemState {
    bool enabled = true;
    bool checked = false;
    // The owner draws a picture for the item (WM_MEASUREITEM, WM_DRAWITEM with ODT_MENU).
    bool ownerDrawnPicture = false;
};

class MenuBuilder {
public:
    // A menu the system could not create is empty, is not complete() and chooses nothing.
    MenuBuilder() : menu_(::CreatePopupMenu()), complete_(static_cast<bool>(menu_)) {}

    HMENU handle() const noexcept { return menu_.get(); }
    // Every item was added (the system refuses an item only when it runs out of resources).
    bool complete() const noexcept { return complete_; }

    // A command; an '&' in the caption marks the next letter as its mnemonic (see withoutAccessKeys).
    MenuBuilder& item(UINT id, std::string_view caption, MenuItemState state = {}) {
        const std::wstring text = widen(caption);
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
        info.wID = id;
        info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        info.fState =
            (state.enabled ? MFS_ENABLED : MFS_GRAYED) | (state.checked ? MFS_CHECKED : MFS_UNCHECKED);
        if (state.ownerDrawnPicture) {
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = HBMMENU_CALLBACK;
        }
        return insert(info);
    }
    MenuBuilder& separator() {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
        return insert(info);
    }
    // The items of `submenu` under a caption; this menu owns it from now on.
    MenuBuilder& submenu(std::string_view caption, MenuBuilder&& submenu) {
        const std::wstring text = widen(caption);
        complete_ = complete_ && submenu.complete_;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_SUBMENU | MIIM_STRING;
        info.hSubMenu = submenu.menu_.get();
        info.dwTypeData = const_cast<wchar_t*>(text.c_str());
        insert(info);
        if (complete_)
            submenu.menu_.release(); // destroyed with this menu
        return *this;
    }

    // Shows the menu (see choosePopupMenuItem); 0 when nothing was chosen or the menu does not exist.
    UINT choose(NestedLoops& loops, HWND owner, POINT at, UINT extraFlags = 0) const {
        return menu_ ? choosePopupMenuItem(loops, menu_.get(), owner, at, extraFlags) : 0;
    }

private:
    MenuBuilder& insert(const MENUITEMINFOW& info) {
        if (complete_ &&
            !::InsertMenuItemW(menu_.get(), static_cast<UINT>(::GetMenuItemCount(menu_.get())), TRUE, &info))
            complete_ = false;
        return *this;
    }

    UniqueMenu menu_;
    bool complete_;
};

} // namespace flickmark::win32
