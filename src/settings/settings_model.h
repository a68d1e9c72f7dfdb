// The configuration window's controls as values: a position for each track bar and a state for each check
// box. They are the in-memory copy of the settings and give the defaults Load reads with; the window binds
// its controls to this model.
#pragma once

#include "settings/settings_table.h"

#include <array>
#include <cstddef>

namespace flickmark {

class SettingsModel {
public:
    // Every control at the value of its table default.
    SettingsModel();

    bool hasControl(std::size_t row) const;
    // Track bars: the position, always within the row's range. Check boxes: 1 checked, 0 not. Combo boxes:
    // the chosen item's value, within the row's range.
    int position(std::size_t row) const { return positions_[row]; }
    // Clamps to the track bar's range, as the control does.
    void setPosition(std::size_t row, int position);
    bool checked(std::size_t row) const { return positions_[row] != 0; }
    void setChecked(std::size_t row, bool checked) { positions_[row] = checked ? 1 : 0; }

    // Puts a value read from the file into its control: a track bar takes it as position (a "Decimal" one
    // the position round((1 - value) * 100)), clamped to its range; a check box is checked for non-zero.
    // Rows without a control ignore it.
    void show(std::size_t row, double value);
    // The value a control stands for: its position, 1 - position/100 for a "Decimal" track bar, 1 or 0
    // for a check box; the table default for a row without a control.
    double value(std::size_t row) const;

private:
    std::array<int, kSettingCount> positions_{};
};

} // namespace flickmark
