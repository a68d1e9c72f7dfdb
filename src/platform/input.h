// Input state port: what the recognizer samples at each tick.
#pragma once

#include "base/geometry.h"

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
};

} // namespace flickmark
