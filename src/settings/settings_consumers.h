// Where loaded settings go. Load is the only way settings take effect: it pushes every value to these.
#pragma once

#include "settings/press_rule_settings.h"
#include "settings/recognition_settings.h"

namespace flickmark {

class RecognitionSettingsConsumer {
public:
    virtual ~RecognitionSettingsConsumer() = default;
    // The pause trigger's delay (tbHelpPause) comes with the settings.
    virtual void applyRecognitionSettings(const RecognitionSettings& settings) = 0;
};

class ScratchpadSettingsConsumer {
public:
    virtual ~ScratchpadSettingsConsumer() = default;
    virtual void setFadeTime(int milliseconds) = 0;
    // Shown (collapsed to the screen edge) or hidden.
    virtual void setScratchpadEnabled(bool enabled) = 0;
};

class LibrarySettingsConsumer {
public:
    virtual ~LibrarySettingsConsumer() = default;
    virtual void setSuggestionsEnabled(bool enabled) = 0;
    virtual void setCorrectionsEnabled(bool enabled) = 0;
    // Whether a drawn gesture gets the full lookup (cbEnableDiagonals, which the recognizer reads too).
    virtual void setDiagonalsEnabled(bool enabled) = 0;
};

class PressRulesSettingsConsumer {
public:
    virtual ~PressRulesSettingsConsumer() = default;
    virtual void applyPressRules(const PressRuleSettings& settings) = 0;
};

// A consumer that does not exist (yet) is null and gets nothing.
struct SettingsConsumers {
    RecognitionSettingsConsumer* recognition = nullptr;
    ScratchpadSettingsConsumer* scratchpad = nullptr;
    LibrarySettingsConsumer* library = nullptr;
    PressRulesSettingsConsumer* pressRules = nullptr;
};

} // namespace flickmark
