// Scripted input state: the test sets the button and the cursor before each tick.
#pragma once

#include "platform/input.h"

#include <optional>
#include <set>

namespace flickmark {

class FakeInput final : public Input {
public:
    bool gestureButtonDown() override { return buttonDown; }
    Point cursorPos() override { return cursor; }
    bool keyToggled(int virtualKey) override { return toggledKeys.count(virtualKey) > 0; }
    bool keyDown(int virtualKey) override { return heldKeys.count(virtualKey) > 0; }
    std::optional<Rect> cursorClip() override { return clip; }
    bool cursorHidden() override { return hidden; }

    bool buttonDown = false;
    Point cursor;
    std::set<int> toggledKeys;
    std::set<int> heldKeys;
    std::optional<Rect> clip = Rect{0, 0, 1920, 1080}; // the whole desktop of FakeDesktop: not confined
    bool hidden = false;
};

} // namespace flickmark
