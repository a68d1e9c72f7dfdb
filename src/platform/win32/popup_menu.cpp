#include "platform/win32/popup_menu.h"

#include "platform/win32/last_error.h"
#include "platform/win32/menu_builder.h"

#include <string>

namespace flickmark {
namespace {

// The port's items, their captions shown as written.
void appendItems(win32::MenuBuilder& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            menu.separator();
            break;
        case MenuItem::Kind::Command:
            menu.item(static_cast<UINT>(item.id), withAccessKey(item.caption, item.accessKey));
            break;
        case MenuItem::Kind::Disabled:
            menu.item(0, withAccessKey(item.caption, item.accessKey), {false});
            break;
        case MenuItem::Kind::Submenu: {
            win32::MenuBuilder submenu;
            appendItems(submenu, item.items);
            menu.submenu(withAccessKey(item.caption, item.accessKey), std::move(submenu));
            break;
        }
        }
    }
}

// The screen rectangle of the item with a command id; empty when it is not in the menu.
Rect itemRect(HMENU menu, UINT id) {
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        RECT r{};
        if (::GetMenuItemID(menu, position) == id &&
            ::GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &r))
            return Rect{r.left, r.top, r.right, r.bottom};
    }
    return {};
}

} // namespace

Win32PopupMenu::Win32PopupMenu(NestedLoops& loops) : loops_(loops) {
    win32::WindowClassSpec windowClass;
    windowClass.name = L"FlickmarkMenuOwner";
    win32::WindowCreateSpec window;
    window.title = L"Flickmark";
    window.style = WS_POPUP;
    window.exStyle = WS_EX_TOOLWINDOW;
    window.x = 0;
    window.y = 0;
    window.width = 0;
    window.height = 0;
    create(windowClass, window);
}

std::optional<int> Win32PopupMenu::track(const std::vector<MenuItem>& items, Point at,
                                         MenuHighlightListener* listener) {
    win32::MenuBuilder menu;
    appendItems(menu, items);
    if (!menu.complete())
        win32::throwLastError("InsertMenuItemW");

    // The caller normally shares the foreground program's input, which lets the menu close on a click
    // elsewhere while that program stays in front. Keys go to the focus window of that input, so our owner
    // window takes the focus while the menu is open, and the program's focus window gets it back after.
    // Without that share (no window in front, or one we may not attach to) the menu needs our owner window
    // in front instead.
    const HWND focusBefore = ::GetFocus();
    const bool sharesForegroundInput = ::GetActiveWindow() != nullptr;
    if (sharesForegroundInput)
        ::SetFocus(hwnd());
    else
        ::SetForegroundWindow(hwnd());

    listener_ = listener;
    const auto chosen = static_cast<int>(menu.choose(loops_, hwnd(), POINT{at.x, at.y}));
    listener_ = nullptr;
    if (listener != nullptr)
        listener->menuClosed();
    // A click into another window that closed the menu has moved the focus there already.
    if (sharesForegroundInput && ::GetFocus() == hwnd() && focusBefore != nullptr && ::IsWindow(focusBefore))
        ::SetFocus(focusBefore);
    if (!sharesForegroundInput)
        ::PostMessageW(hwnd(), WM_NULL, 0, 0); // lets the next menu of this window open and close normally
    if (chosen <= 0)
        return std::nullopt;
    return chosen;
}

LRESULT Win32PopupMenu::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MENUSELECT && listener_ != nullptr) {
        const UINT flags = HIWORD(wParam);
        const auto menu = reinterpret_cast<HMENU>(lParam);
        const bool closing = flags == 0xFFFF && menu == nullptr;
        if (!closing) {
            const bool command = (flags & (MF_POPUP | MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) == 0;
            const UINT id = LOWORD(wParam);
            listener_->highlighted(command ? static_cast<int>(id) : 0, command ? itemRect(menu, id) : Rect{});
        }
        return 0;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace flickmark
