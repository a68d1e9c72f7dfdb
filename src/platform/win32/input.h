// The process-wide key-state query: the input port the recognizer samples at each tick.
#pragma once

#include "platform/input.h"

namespace flickmark {

class Win32Input final : public Input {
public:
    bool gestureButtonDown() override;
    // Keeps the last known position when the cursor cannot be read (for example while a secure desktop
    // is shown).
    Point cursorPos() override;
    bool keyToggled(int virtualKey) override;
    bool keyDown(int virtualKey) override;
    std::optional<Rect> cursorClip() override;
    bool cursorHidden() override;

private:
    Point lastCursor_;
};

} // namespace flickmark
