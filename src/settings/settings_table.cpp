#include "settings/settings_table.h"

#include "base/ascii_text.h"
#include "settings/setting_values.h"

namespace flickmark {
namespace {

constexpr int asInt(double value) {
    return static_cast<int>(value);
}

// Each default is held once, in the records the values go to.
constexpr SettingsSnapshot kDefaults{};
constexpr RecognitionSettings kRecognitionDefaults = kDefaults.recognition;

constexpr std::array<SettingDefinition, kSettingCount> kTable = {{
    {"timethreshold", SettingType::Integer, kRecognitionDefaults.timeThreshold, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognition.timeThreshold = asInt(v); }},
    {"xThreshold", SettingType::Integer, kRecognitionDefaults.xThreshold, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognition.xThreshold = asInt(v); }},
    {"yThreshold", SettingType::Integer, kRecognitionDefaults.yThreshold, SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognition.yThreshold = asInt(v); }},
    {"directionThreshold", SettingType::Integer, kRecognitionDefaults.directionThreshold,
     SettingControl::None, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognition.directionThreshold = asInt(v); }},
    {"tbDeltaBias", SettingType::Decimal, kRecognitionDefaults.deltaBias, SettingControl::DecimalTrackBar, 1,
     95, [](SettingsSnapshot& s, double v) { s.recognition.deltaBias = static_cast<float>(v); }},
    {"tbDistanceBias", SettingType::Decimal, kRecognitionDefaults.distanceBias,
     SettingControl::DecimalTrackBar, 5, 95,
     [](SettingsSnapshot& s, double v) { s.recognition.distanceBias = static_cast<float>(v); }},
    {"tbXPixel", SettingType::Integer, kRecognitionDefaults.xPixel, SettingControl::TrackBar, 10, 150,
     [](SettingsSnapshot& s, double v) { s.recognition.xPixel = asInt(v); }},
    {"tbYPixel", SettingType::Integer, kRecognitionDefaults.yPixel, SettingControl::TrackBar, 10, 150,
     [](SettingsSnapshot& s, double v) { s.recognition.yPixel = asInt(v); }},
    {"tbHelpPause", SettingType::Integer, kRecognitionDefaults.helpPause, SettingControl::TrackBar, 200, 2000,
     [](SettingsSnapshot& s, double v) { s.recognition.helpPause = asInt(v); }},
    {"cbEnableHelpPoup", SettingType::Boolean, kRecognitionDefaults.enableHelpPopup, SettingControl::CheckBox,
     0, 0, [](SettingsSnapshot& s, double v) { s.recognition.enableHelpPopup = v != 0; }},
    {"cbEnableDiagonals", SettingType::Boolean, kRecognitionDefaults.enableDiagonals,
     SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognition.enableDiagonals = v != 0; }},
    {"tbFadeTime", SettingType::Integer, kDefaults.fadeTime, SettingControl::TrackBar, 100, 2000,
     [](SettingsSnapshot& s, double v) { s.fadeTime = asInt(v); }},
    {"cbEnableScratchpad", SettingType::Boolean, kDefaults.scratchpadEnabled, SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.scratchpadEnabled = v != 0; }},
    {"cbEnabledSuggestions", SettingType::Boolean, kDefaults.suggestionsEnabled, SettingControl::CheckBox, 0,
     0, [](SettingsSnapshot& s, double v) { s.suggestionsEnabled = v != 0; }},
    {"cbEnableCorrections", SettingType::Boolean, kDefaults.correctionsEnabled, SettingControl::CheckBox, 0,
     0, [](SettingsSnapshot& s, double v) { s.correctionsEnabled = v != 0; }},
    {"cbPreciseRecognition", SettingType::Boolean, kRecognitionDefaults.preciseRecognition,
     SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.recognition.preciseRecognition = v != 0; }},
    {"cbIgnoreCapturedMouse", SettingType::Boolean, kDefaults.pressRules.leaveCapturedMouse,
     SettingControl::CheckBox, 0, 0,
     [](SettingsSnapshot& s, double v) { s.pressRules.leaveCapturedMouse = v != 0; }},
    // A virtual-key code; the Misc page offers none, Shift, Ctrl and Alt.
    {"cmbBypassKey", SettingType::Integer, kDefaults.pressRules.bypassKey, SettingControl::ComboBox, 0, 254,
     [](SettingsSnapshot& s, double v) { s.pressRules.bypassKey = asInt(v); }},
}};

static_assert(kTable[index(SettingId::timethreshold)].key == "timethreshold");
static_assert(kTable[index(SettingId::xThreshold)].key == "xThreshold");
static_assert(kTable[index(SettingId::yThreshold)].key == "yThreshold");
static_assert(kTable[index(SettingId::directionThreshold)].key == "directionThreshold");
static_assert(kTable[index(SettingId::tbDeltaBias)].key == "tbDeltaBias");
static_assert(kTable[index(SettingId::tbDistanceBias)].key == "tbDistanceBias");
static_assert(kTable[index(SettingId::tbXPixel)].key == "tbXPixel");
static_assert(kTable[index(SettingId::tbYPixel)].key == "tbYPixel");
static_assert(kTable[index(SettingId::tbHelpPause)].key == "tbHelpPause");
static_assert(kTable[index(SettingId::cbEnableHelpPoup)].key == "cbEnableHelpPoup");
static_assert(kTable[index(SettingId::cbEnableDiagonals)].key == "cbEnableDiagonals");
static_assert(kTable[index(SettingId::tbFadeTime)].key == "tbFadeTime");
static_assert(kTable[index(SettingId::cbEnableScratchpad)].key == "cbEnableScratchpad");
static_assert(kTable[index(SettingId::cbEnabledSuggestions)].key == "cbEnabledSuggestions");
static_assert(kTable[index(SettingId::cbEnableCorrections)].key == "cbEnableCorrections");
static_assert(kTable[index(SettingId::cbPreciseRecognition)].key == "cbPreciseRecognition");
static_assert(kTable[index(SettingId::cbIgnoreCapturedMouse)].key == "cbIgnoreCapturedMouse");
static_assert(kTable[index(SettingId::cmbBypassKey)].key == "cmbBypassKey");

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

std::string formatSetting(SettingType type, double value) {
    switch (type) {
    case SettingType::Integer:
        return formatIntegerSetting(static_cast<int>(value));
    case SettingType::Boolean:
        return formatBooleanSetting(value != 0);
    case SettingType::Decimal:
        return formatDecimalSetting(value);
    }
    return {};
}

std::optional<double> parseSetting(SettingType type, std::string_view text) {
    switch (type) {
    case SettingType::Integer:
        if (const auto value = parseIntegerSetting(text))
            return *value;
        break;
    case SettingType::Boolean:
        if (const auto value = parseBooleanSetting(text))
            return *value ? 1.0 : 0.0;
        break;
    case SettingType::Decimal:
        return parseDecimalSetting(text);
    }
    return std::nullopt;
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
