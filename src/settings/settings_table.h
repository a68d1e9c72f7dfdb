// The settings file: one row per key of section "init" in "defaults.ini", in the order Load processes the
// keys and a new file lists them. The table is the single source of each key's type, default, control and
// consumer.
#pragma once

#include "settings/recognition_settings.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace flickmark {

inline constexpr std::string_view kSettingsFileName = "defaults.ini";
inline constexpr std::string_view kSettingsSection = "init";

enum class SettingType {
    Integer, // decimal text; "0x"/"0X" hexadecimal accepted on reading
    Boolean, // "1" or "0"; any non-zero integer reads as true
    Decimal, // "." on writing, "." or "," on reading
};

enum class SettingControl {
    None,            // no control: the table default always applies
    TrackBar,        // stores its position
    DecimalTrackBar, // position p stands for 1 - p/100
    CheckBox,
};

// Everything Load hands to the consumers.
struct SettingsSnapshot {
    RecognitionSettings recognition;
    int fadeTime = 800; // scratchpad auto-close delay, milliseconds
    bool scratchpadEnabled = true;
    bool suggestionsEnabled = true;
    bool correctionsEnabled = false;
};

struct SettingDefinition {
    std::string_view key;
    SettingType type;
    double defaultValue; // integers and booleans are held exactly
    SettingControl control;
    int minPosition; // track-bar range; 0 for other controls
    int maxPosition;
    // The consumer: stores a value read from the file where its user takes it from.
    void (*store)(SettingsSnapshot& snapshot, double value);
};

inline constexpr std::size_t kSettingCount = 16;

// Row indices, named after the keys.
namespace setting {
inline constexpr std::size_t timethreshold = 0;
inline constexpr std::size_t xThreshold = 1;
inline constexpr std::size_t yThreshold = 2;
inline constexpr std::size_t directionThreshold = 3;
inline constexpr std::size_t tbDeltaBias = 4;
inline constexpr std::size_t tbDistanceBias = 5;
inline constexpr std::size_t tbXPixel = 6;
inline constexpr std::size_t tbYPixel = 7;
inline constexpr std::size_t tbHelpPause = 8;
inline constexpr std::size_t cbEnableHelpPoup = 9;
inline constexpr std::size_t cbEnableDiagonals = 10;
inline constexpr std::size_t tbFadeTime = 11;
inline constexpr std::size_t cbEnableScratchpad = 12;
inline constexpr std::size_t cbEnabledSuggestions = 13;
inline constexpr std::size_t cbEnableCorrections = 14;
inline constexpr std::size_t cbPreciseRecognition = 15;
} // namespace setting

const std::array<SettingDefinition, kSettingCount>& settingsTable();

// The row of a settings-file key, compared ignoring ASCII case as the file's reader does; nullptr when
// unknown.
const SettingDefinition* findSetting(std::string_view key);

// Stores a key's value, read from text with the settings-file rules and not clamped, in the snapshot.
// Returns false, changing nothing, for an unknown key or an unreadable value.
bool assignSetting(SettingsSnapshot& snapshot, std::string_view key, std::string_view text);

} // namespace flickmark
