#include "settings/settings_model.h"

#include <algorithm>
#include <cmath>

namespace flickmark {
namespace {

// Half to even, like every rounding of the program; clamps in double first so no value overflows an int.
int roundedPosition(double position, int low, int high) {
    if (std::isnan(position))
        return low;
    const double clamped = std::clamp(position, static_cast<double>(low), static_cast<double>(high));
    return static_cast<int>(std::nearbyint(clamped));
}

} // namespace

SettingsModel::SettingsModel() {
    for (std::size_t row = 0; row < kSettingCount; ++row)
        show(row, settingsTable()[row].defaultValue);
}

bool SettingsModel::hasControl(std::size_t row) const {
    return settingsTable()[row].control != SettingControl::None;
}

void SettingsModel::setPosition(std::size_t row, int position) {
    const SettingDefinition& definition = settingsTable()[row];
    switch (definition.control) {
    case SettingControl::TrackBar:
    case SettingControl::DecimalTrackBar:
    case SettingControl::ComboBox:
        positions_[row] = std::clamp(position, definition.minPosition, definition.maxPosition);
        break;
    case SettingControl::CheckBox:
        positions_[row] = position != 0 ? 1 : 0;
        break;
    case SettingControl::None:
        break;
    }
}

void SettingsModel::show(std::size_t row, double value) {
    const SettingDefinition& definition = settingsTable()[row];
    switch (definition.control) {
    case SettingControl::TrackBar:
    case SettingControl::ComboBox:
        positions_[row] = roundedPosition(value, definition.minPosition, definition.maxPosition);
        break;
    case SettingControl::DecimalTrackBar:
        positions_[row] = roundedPosition((1 - value) * 100, definition.minPosition, definition.maxPosition);
        break;
    case SettingControl::CheckBox:
        positions_[row] = value != 0 ? 1 : 0;
        break;
    case SettingControl::None:
        break;
    }
}

double SettingsModel::value(std::size_t row) const {
    const SettingDefinition& definition = settingsTable()[row];
    switch (definition.control) {
    case SettingControl::TrackBar:
    case SettingControl::CheckBox:
    case SettingControl::ComboBox:
        return positions_[row];
    case SettingControl::DecimalTrackBar:
        // (100 - p) / 100 is the correctly rounded double of the two-digit decimal, so it is written as
        // exactly that decimal and reads back as the same position.
        return (100 - positions_[row]) / 100.0;
    case SettingControl::None:
        break;
    }
    return definition.defaultValue;
}

} // namespace flickmark
