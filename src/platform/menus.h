// Menu port: closing the context menu that a target program opened on the right-button release.
#pragma once

namespace flickmark {

class ContextMenuDismisser {
public:
    virtual ~ContextMenuDismisser() = default;
    // Closes any menu open in the foreground program, so keystrokes reach the program and not its menu.
    virtual void dismissContextMenu() = 0;
};

} // namespace flickmark
