// Scripted input state: the test sets the button and the cursor before each tick.
#pragma once

#include "platform/input.h"

#include <set>

namespace flickmark {

class FakeInput final : public Input {
public:
    bool gestureButtonDown() override { return buttonDown; }
    Point cursorPos() override { return cursor; }
    bool keyToggled(int virtualKey) override { return toggledKeys.count(virtualKey) > 0; }

    bool buttonDown = false;
    Point cursor;
    std::set<int> toggledKeys;
};

} // namespace flickmark
