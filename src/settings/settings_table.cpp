#include "settings/settings_table.h"

#include "base/ascii_text.h"
#include "settings/settings_store.h"

namespace flickmark {
namespace {

constexpr int asInt(double value) {
    return static_cast<int>(value);
}

// Each default is held once, in the records the values go to.
constexpr SettingsSnapshot kDefaults{};
constexpr RecognizerSettings kRecognizerDefaults = kDefaults.recognizer;

constexpr std::array<SettingDefinition, kSettingCount> kTable = {{
    {"timethreshold", SettingType::Integer, kRecognizerDefaults.timeThreshold, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.timeThreshold = asInt(v); }},
    {"xThreshold", SettingType::Integer, kRecognizerDefaults.xThreshold, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.xThreshold = asInt(v); }},
    {"yThreshold", SettingType::Integer, kRecognizerDefaults.yThreshold, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.yThreshold = asInt(v); }},
    {"directionThreshold", SettingType::Integer, kRecognizerDefaults.directionThreshold, SettingControl::None,
     0, 0, [](SettingsSnapshot& s, double v) { s.recognizer.directionThreshold = asInt(v); }},
    {"tbDeltaBias", SettingType::Decimal, kRecognizerDefaults.deltaBias, SettingControl::DecimalTrackBar, 1,
     95, [](SettingsSnapshot& s, double v) { s.recognizer.deltaBias = static_cast<float>(v); }},
    {"tbDistanceBias", SettingType::Decimal, kRecognizerDefaults.distanceBias,
     SettingControl::DecimalTrackBar, 5, 95,
     [](SettingsSnapshot& s, double v) { s.recognizer.distanceBias = static_cast<float>(v); }},
    {"tbXPixel", SettingType::Integer, kRecognizerDefaults.xPixel, SettingControl::TrackBar, 10, 150,
     [](SettingsSnapshot& s, double v) { s.recognizer.xPixel = asInt(v); }},
    {"tbYPixel", SettingType::Integer, kRecognizerDefaults.yPixel, SettingControl::TrackBar, 10, 150,
     [](SettingsSnapshot& s, double v) { s.recognizer.yPixel = asInt(v); }},
    {"tbHelpPause", SettingType::Integer, kRecognizerDefaults.helpPause, SettingControl::TrackBar, 200, 2000,
     [](SettingsSnapshot& s, double v) { s.recognizer.helpPause = asInt(v); }},
    {"cbEnableHelpPoup", SettingType::Boolean, kRecognizerDefaults.enableHelpPopup, SettingControl::CheckBox,
     0, 0, [](SettingsSnapshot& s, double v) { s.recognizer.enableHelpPopup = v != 0; }},
    {"cbEnableDiagonals", SettingType::Boolean, kRecognizerDefaults.enableDiagonals, SettingControl::CheckBox,
     0, 0, [](SettingsSnapshot& s, double v) { s.recognizer.enableDiagonals = v != 0; }},
    {"tbFadeTime", SettingType::Integer, kDefaults.fadeTime, SettingControl::TrackBar, 100, 2000,
     [](SettingsSnapshot& s, double v) { s.fadeTime = asInt(v); }},
    {"cbEnableScratchpad", SettingType::Boolean, kDefaults.scratchpadEnabled, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.scratchpadEnabled = v != 0; }},
    {"cbEnabledSuggestions", SettingType::Boolean, kDefaults.suggestionsEnabled, SettingControl::CheckBox, 0,
     0, [](SettingsSnapshot& s, double v) { s.suggestionsEnabled = v != 0; }},
    {"cbEnableCorrections", SettingType::Boolean, kDefaults.correctionsEnabled, SettingControl::CheckBox, 0,
     0, [](SettingsSnapshot& s, double v) { s.correctionsEnabled = v != 0; }},
    {"cbPreciseRecognition", SettingType::Boolean, kRecognizerDefaults.preciseRecognition,
     SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognizer.preciseRecognition = v != 0; }},
}};

static_assert(kTable[setting::timethreshold].key == "timethreshold");
static_assert(kTable[setting::xThreshold].key == "xThreshold");
static_assert(kTable[setting::yThreshold].key == "yThreshold");
static_assert(kTable[setting::directionThreshold].key == "directionThreshold");
static_assert(kTable[setting::tbDeltaBias].key == "tbDeltaBias");
static_assert(kTable[setting::tbDistanceBias].key == "tbDistanceBias");
static_assert(kTable[setting::tbXPixel].key == "tbXPixel");
static_assert(kTable[setting::tbYPixel].key == "tbYPixel");
static_assert(kTable[setting::tbHelpPause].key == "tbHelpPause");
static_assert(kTable[setting::cbEnableHelpPoup].key == "cbEnableHelpPoup");
static_assert(kTable[setting::cbEnableDiagonals].key == "cbEnableDiagonals");
static_assert(kTable[setting::tbFadeTime].key == "tbFadeTime");
static_assert(kTable[setting::cbEnableScratchpad].key == "cbEnableScratchpad");
static_assert(kTable[setting::cbEnabledSuggestions].key == "cbEnabledSuggestions");
static_assert(kTable[setting::cbEnableCorrections].key == "cbEnableCorrections");
static_assert(kTable[setting::cbPreciseRecognition].key == "cbPreciseRecognition");

} // namespace

const std::array<SettingDefinition, kSettingCount>& settingsTable() {
    return kTable;
}

const SettingDefinition* findSetting(std::string_view key) {
    for (const SettingDefinition& definition : kTable)
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
