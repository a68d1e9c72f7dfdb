// Whether a right press may become a gesture, decided once at the press from the program lists, the
// press-rule settings and what the press found on the screen. The first rule that applies decides; its
// note is the one diagnostic-log line that says why a press was left alone.
//
//  1. A full-screen program in front leaves the press ignored (asked again at the next tick), unless
//     "fullscreen.ini" lists it.
//  2. "disabled.ini" lists the program in front, or the one under the cursor: left alone.
//  3. "noright.ini" lists the program under the cursor: left alone.
//  4. The bypass key is held: left alone.
//  5. Where the mouse is captured (the cursor confined to part of the screen, or hidden): left alone,
//     unless that rule is switched off.
#pragma once

#include "base/press_ruling.h"
#include "settings/press_rule_settings.h"
#include "settings/program_lists.h"

#include <string>

namespace flickmark {

// What the press found, asked only as far as the rules need it (with empty lists, no window is looked at).
class PressScene {
public:
    virtual ~PressScene() = default;
    // The top-level window under the cursor at the press, and the foreground window.
    virtual ProgramWindow windowUnderCursor() = 0;
    virtual ProgramWindow windowInFront() = 0;
    // The cursor is confined to less than the whole desktop.
    virtual bool cursorConfined() = 0;
    virtual bool cursorHidden() = 0;
    virtual bool keyDown(int virtualKey) = 0;
};

PressRuling decidePress(const ProgramLists& lists, const PressRuleSettings& settings, bool fullScreenInFront,
                        PressScene& scene);

// "Shift", "Ctrl", "Alt", or "key 0x.." for another virtual-key code.
std::string bypassKeyName(int virtualKey);

} // namespace flickmark
