// The settings file: one row per key of section "init" in "defaults.ini", in the order Load processes the
// keys and a new file lists them. The table is the single source of each key's type, default, control and
// consumer.
#pragma once

#include "settings/press_rule_settings.h"
#include "settings/recognition_settings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
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
    ComboBox, // stores the value of the chosen item; its range is the row's
};

// Everything Load hands to the consumers.
struct SettingsSnapshot {
    RecognitionSettings recognition;
    int fadeTime = 800; // scratchpad auto-close delay, milliseconds
    bool scratchpadEnabled = true;
    bool suggestionsEnabled = true;
    bool correctionsEnabled = false;
    PressRuleSettings pressRules;
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

inline constexpr std::size_t kSettingCount = 18;

// The rows of the table in order, named after their keys.
enum class SettingId {
    timethreshold,
    xThreshold,
    yThreshold,
    directionThreshold,
    tbDeltaBias,
    tbDistanceBias,
    tbXPixel,
    tbYPixel,
    tbHelpPause,
    cbEnableHelpPoup,
    cbEnableDiagonals,
    tbFadeTime,
    cbEnableScratchpad,
    cbEnabledSuggestions,
    cbEnableCorrections,
    cbPreciseRecognition,
    cbIgnoreCapturedMouse,
    cmbBypassKey,
};

// The row of a setting in settingsTable().
inline constexpr std::size_t index(SettingId id) {
    return static_cast<std::size_t>(id);
}
static_assert(index(SettingId::cmbBypassKey) + 1 == kSettingCount);

const std::array<SettingDefinition, kSettingCount>& settingsTable();

// The row of a settings-file key, compared ignoring ASCII case as the file's reader does; nullptr when
// unknown.
const SettingDefinition* findSetting(std::string_view key);

// The canonical text of a value of the given type (setting_values.h).
std::string formatSetting(SettingType type, double value);
// A value read from the file, or nullopt when the text is unreadable for the type.
std::optional<double> parseSetting(SettingType type, std::string_view text);

// Stores a key's value, read from text with the settings-file rules and not clamped, in the snapshot.
// Returns false, changing nothing, for an unknown key or an unreadable value.
bool assignSetting(SettingsSnapshot& snapshot, std::string_view key, std::string_view text);

} // namespace flickmark
