// The settings the recognizer reads, with the values that apply when the settings file lacks them.
#pragma once

#include <string_view>

namespace flickmark {

struct RecognizerSettings {
    int timeThreshold = 160; // kept for the settings file; no recognition step reads it
    int xThreshold = 3;
    int yThreshold = 3;
    int directionThreshold = 0;
    float deltaBias = 0.8f;    // weight of the new sample in the speed average
    float distanceBias = 0.7f; // weight of the new sample in the accumulators
    int xPixel = 30;
    int yPixel = 25;
    int helpPause = 800; // milliseconds
    bool enableHelpPopup = true;
    bool enableDiagonals = false;
};

// Sets the field of a settings-file key (timethreshold, xThreshold, yThreshold, directionThreshold,
// tbDeltaBias, tbDistanceBias, tbXPixel, tbYPixel, tbHelpPause, cbEnableHelpPoup, cbEnableDiagonals; compared
// ignoring case) from its text, read with the settings-file value rules and not clamped. Returns false,
// leaving the settings unchanged, for an unknown key or an unreadable value.
bool assignRecognizerSetting(RecognizerSettings& settings, std::string_view key, std::string_view value);
// True for the keys assignRecognizerSetting knows.
bool isRecognizerSettingKey(std::string_view key);

} // namespace flickmark
