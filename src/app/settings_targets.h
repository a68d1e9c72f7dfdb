// Where loaded settings take effect in the running program: the recognizer takes its settings and the
// pause time, the scratchpad its close delay and whether it shows, the gesture dispatcher its lookup options.
#pragma once

#include "library/gesture_dispatcher.h"
#include "overlays/scratchpad.h"
#include "recognizer/recognizer.h"
#include "settings/settings_consumers.h"

namespace flickmark {

// The settings file's recognition values as the recognizer takes them.
RecognizerSettings recognizerSettingsFrom(const RecognitionSettings& settings);

class RecognizerSettingsTarget final : public RecognitionSettingsConsumer {
public:
    explicit RecognizerSettingsTarget(Recognizer& recognizer) : recognizer_(recognizer) {}

    void applyRecognitionSettings(const RecognitionSettings& settings) override {
        recognizer_.applySettings(recognizerSettingsFrom(settings));
    }

private:
    Recognizer& recognizer_;
};

class ScratchpadSettingsTarget final : public ScratchpadSettingsConsumer {
public:
    explicit ScratchpadSettingsTarget(Scratchpad& pad) : pad_(pad) {}

    void setFadeTime(int milliseconds) override { pad_.setFadeTime(milliseconds); }
    void setScratchpadEnabled(bool enabled) override { pad_.setEnabled(enabled); }

private:
    Scratchpad& pad_;
};

class LookupSettingsTarget final : public LibrarySettingsConsumer {
public:
    explicit LookupSettingsTarget(GestureDispatcher& dispatcher) : dispatcher_(dispatcher) {}

    void setSuggestionsEnabled(bool enabled) override {
        LookupOptions options = dispatcher_.options();
        options.suggestions = enabled;
        dispatcher_.setOptions(options);
    }
    void setCorrectionsEnabled(bool enabled) override {
        LookupOptions options = dispatcher_.options();
        options.corrections = enabled;
        dispatcher_.setOptions(options);
    }
    void setDiagonalsEnabled(bool enabled) override {
        LookupOptions options = dispatcher_.options();
        options.diagonals = enabled;
        dispatcher_.setOptions(options);
    }

private:
    GestureDispatcher& dispatcher_;
};

} // namespace flickmark
