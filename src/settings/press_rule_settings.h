// The settings of the press rules (press_rules.h), as the settings file gives them.
#pragma once

namespace flickmark {

struct PressRuleSettings {
    bool leaveCapturedMouse = true; // a press where a program has captured the mouse is no gesture
    int bypassKey = 0;              // a virtual-key code held at the press makes it no gesture; 0 for none

    friend bool operator==(const PressRuleSettings&, const PressRuleSettings&) = default;
};

} // namespace flickmark
