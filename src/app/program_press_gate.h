// The recognizer's press gate: the press rules of the settings (press_rules.h), asked about the windows
// and the input state of the press at hand. The program lists are read again first when a file changed.
#pragma once

#include "platform/desktop.h"
#include "platform/input.h"
#include "recognizer/press_gate.h"
#include "settings/press_rules.h"
#include "settings/settings_consumers.h"

namespace flickmark {

class ProgramPressGate final : public PressGate, public PressRulesSettingsConsumer {
public:
    // The references must outlive the gate.
    ProgramPressGate(Desktop& desktop, Input& input, ProgramLists& lists)
        : desktop_(desktop), input_(input), lists_(lists) {}

    PressRuling rulePress(Point cursor, bool fullScreenInFront) override;
    void applyPressRules(const PressRuleSettings& settings) override { settings_ = settings; }

private:
    Desktop& desktop_;
    Input& input_;
    ProgramLists& lists_;
    PressRuleSettings settings_;
};

// The program and class of a window; empty names for no window.
ProgramWindow programWindowOf(Desktop& desktop, WindowId window);

// Whether a clip rectangle leaves out part of the desktop (the box around every monitor).
bool confinesCursor(const Rect& clip, const std::vector<Rect>& monitors);

} // namespace flickmark
