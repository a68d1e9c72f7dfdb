#include "settings/settings_table.h"

#include "recognizer/ascii_text.h"
#include "settings/settings_store.h"

namespace flickmark {
namespace {

constexpr int asInt(double value) {
    return static_cast<int>(value);
}

constexpr std::array<SettingDefinition, settingCount> table = {{
    {"timethreshold", SettingType::Integer, 160, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.timeThreshold = asInt(v); }},
    {"xThreshold", SettingType::Integer, 3, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.xThreshold = asInt(v); }},
    {"yThreshold", SettingType::Integer, 3, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.yThreshold = asInt(v); }},
    {"directionThreshold", SettingType::Integer, 0, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.directionThreshold = asInt(v); }},
    {"tbDeltaBias", SettingType::Decimal, 0.8, SettingControl::DecimalTrackBar, 1, 95,
     [](SettingsSnapshot& s, double v) { s.recognizer.deltaBias = static_cast<float>(v); }},
    {"tbDistanceBias", SettingType::Decimal, 0.7, SettingControl::DecimalTrackBar, 5, 95,
     [](SettingsSnapshot& s, double v) { s.recognizer.distanceBias = static_cast<float>(v); }},
    {"tbXPixel", SettingType::Integer, 30, SettingControl::TrackBar, 10, 150,
     [](SettingsSnapshot& s, double v) { s.recognizer.xPixel = asInt(v); }},
    {"tbYPixel", SettingType::Integer, 25, SettingControl::TrackBar, 10, 150,
     [](SettingsSnapshot& s, double v) { s.recognizer.yPixel = asInt(v); }},
    {"tbHelpPause", SettingType::Integer, 800, SettingControl::TrackBar, 200, 2000,
     [](SettingsSnapshot& s, double v) { s.recognizer.helpPause = asInt(v); }},
    {"cbEnableHelpPoup", SettingType::Boolean, 1, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.enableHelpPopup = v != 0; }},
    {"cbEnableDiagonals", SettingType::Boolean, 0, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.enableDiagonals = v != 0; }},
    {"tbFadeTime", SettingType::Integer, 800, SettingControl::TrackBar, 100, 2000,
     [](SettingsSnapshot& s, double v) { s.fadeTime = asInt(v); }},
    {"cbEnableScratchpad", SettingType::Boolean, 1, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.scratchpadEnabled = v != 0; }},
    {"cbEnabledSuggestions", SettingType::Boolean, 1, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.suggestionsEnabled = v != 0; }},
    {"cbEnableCorrections", SettingType::Boolean, 0, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.correctionsEnabled = v != 0; }},
}};

static_assert(table[setting::timethreshold].key == "timethreshold");
static_assert(table[setting::xThreshold].key == "xThreshold");
static_assert(table[setting::yThreshold].key == "yThreshold");
static_assert(table[setting::directionThreshold].key == "directionThreshold");
static_assert(table[setting::tbDeltaBias].key == "tbDeltaBias");
static_assert(table[setting::tbDistanceBias].key == "tbDistanceBias");
static_assert(table[setting::tbXPixel].key == "tbXPixel");
static_assert(table[setting::tbYPixel].key == "tbYPixel");
static_assert(table[setting::tbHelpPause].key == "tbHelpPause");
static_assert(table[setting::cbEnableHelpPoup].key == "cbEnableHelpPoup");
static_assert(table[setting::cbEnableDiagonals].key == "cbEnableDiagonals");
static_assert(table[setting::tbFadeTime].key == "tbFadeTime");
static_assert(table[setting::cbEnableScratchpad].key == "cbEnableScratchpad");
static_assert(table[setting::cbEnabledSuggestions].key == "cbEnabledSuggestions");
static_assert(table[setting::cbEnableCorrections].key == "cbEnableCorrections");

} // namespace

const std::array<SettingDefinition, settingCount>& settingsTable() {
    return table;
}

const SettingDefinition* findSetting(std::string_view key) {
    for (const SettingDefinition& definition : table)
        if (equalsIgnoringAsciiCase(definition.key, key))
            return &definition;
    return nullptr;
}

bool assignSetting(SettingsSnapshot& snapshot, std::string_view key, std::string_view text) {
    const SettingDefinition* definition = findSetting(key);
    if (!definition)
        return false;
    const auto value = parseSetting(definition->type, text);
    if (!value)
        return false;
    definition->store(snapshot, *value);
    return true;
}

} // namespace flickmark
