#include "recognizer/recognizer_settings.h"

#include "recognizer/ascii_text.h"
#include "settings/setting_values.h"

#include <array>
#include <cmath>
#include <limits>

namespace flickmark {
namespace {

bool assignInteger(int& field, std::string_view text) {
    const auto value = parseIntegerSetting(text);
    if (value)
        field = *value;
    return value.has_value();
}

bool assignBoolean(bool& field, std::string_view text) {
    const auto value = parseBooleanSetting(text);
    if (value)
        field = *value;
    return value.has_value();
}

// Decimal settings reach their consumers as 32-bit floats.
bool assignDecimal(float& field, std::string_view text) {
    const auto value = parseDecimalSetting(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max())
        return false;
    field = static_cast<float>(*value);
    return true;
}

struct KeyBinding {
    std::string_view key;
    int RecognizerSettings::*integer = nullptr;
    float RecognizerSettings::*decimal = nullptr;
    bool RecognizerSettings::*boolean = nullptr;
};

constexpr std::array<KeyBinding, 11> kBindings = {{
    {"timethreshold", &RecognizerSettings::timeThreshold},
    {"xThreshold", &RecognizerSettings::xThreshold},
    {"yThreshold", &RecognizerSettings::yThreshold},
    {"directionThreshold", &RecognizerSettings::directionThreshold},
    {"tbDeltaBias", nullptr, &RecognizerSettings::deltaBias},
    {"tbDistanceBias", nullptr, &RecognizerSettings::distanceBias},
    {"tbXPixel", &RecognizerSettings::xPixel},
    {"tbYPixel", &RecognizerSettings::yPixel},
    {"tbHelpPause", &RecognizerSettings::helpPause},
    {"cbEnableHelpPoup", nullptr, nullptr, &RecognizerSettings::enableHelpPopup},
    {"cbEnableDiagonals", nullptr, nullptr, &RecognizerSettings::enableDiagonals},
}};

const KeyBinding* findBinding(std::string_view key) {
    for (const KeyBinding& binding : kBindings)
        if (equalsIgnoringAsciiCase(binding.key, key))
            return &binding;
    return nullptr;
}

} // namespace

bool assignRecognizerSetting(RecognizerSettings& settings, std::string_view key, std::string_view value) {
    const KeyBinding* binding = findBinding(key);
    if (!binding)
        return false;
    if (binding->integer)
        return assignInteger(settings.*binding->integer, value);
    if (binding->decimal)
        return assignDecimal(settings.*binding->decimal, value);
    return assignBoolean(settings.*binding->boolean, value);
}

bool isRecognizerSettingKey(std::string_view key) {
    return findBinding(key) != nullptr;
}

} // namespace flickmark
