// Menu ports: closing the context menu that a target program opened on the right-button release, and
// showing a popup menu of our own.
#pragma once

#include "base/geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class ContextMenuDismisser {
public:
    virtual ~ContextMenuDismisser() = default;
    // Closes any menu open in the foreground program, so keystrokes reach the program and not its menu.
    virtual void dismissContextMenu() = 0;
};

// One item of a popup menu. A caption is UTF-8 text; a tab in it starts the
// right-aligned column, and it is shown as written (an '&' is no mnemonic marker).
struct MenuItem {
    enum class Kind { Command, Disabled, Separator, Submenu };

    Kind kind = Kind::Command;
    std::string caption;
    int id = 0;                  // Command: the id the menu returns when it is chosen, greater than 0
    std::vector<MenuItem> items; // Submenu: its items
    int accessKey = -1;          // the byte of the caption underlined as the item's access key; -1: none

    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// Hears which command of an open menu the user highlights, for a preview beside the menu.
class MenuHighlightListener {
public:
    virtual ~MenuHighlightListener() = default;
    // `id` is 0 when no command is highlighted; `item` is the highlighted item's screen rectangle.
    virtual void highlighted(int id, Rect item) = 0;
    // The menu has closed.
    virtual void menuClosed() = 0;
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    // Shows the menu with its top-left corner at `at` (moved onto the screen when needed) and returns once
    // it has closed: the id of the chosen command, or nothing when it closed without a choice. Runs a
    // message loop of its own.
    virtual std::optional<int> track(const std::vector<MenuItem>& items, Point at,
                                     MenuHighlightListener* listener) = 0;
};

} // namespace flickmark
