// Input state port: what the recognizer samples at each tick.
#pragma once

#include "base/geometry.h"

#include <optional>

namespace flickmark {

class Input {
public:
    virtual ~Input() = default;
    // The logical right button (the one that opens context menus), seen whatever program has the focus.
    virtual bool gestureButtonDown() = 0;
    // Cursor position in screen coordinates.
    virtual Point cursorPos() = 0;
    // Toggle state of a key such as Scroll Lock (virtual-key code).
    virtual bool keyToggled(int virtualKey) = 0;
    // Whether a key (virtual-key code) is held down now, whatever program has the focus.
    virtual bool keyDown(int virtualKey) = 0;
    // The rectangle the cursor is confined to (the whole desktop when no program confines it); nothing when
    // it cannot be read.
    virtual std::optional<Rect> cursorClip() = 0;
    // Whether a program has hidden the cursor.
    virtual bool cursorHidden() = 0;
};

} // namespace flickmark
