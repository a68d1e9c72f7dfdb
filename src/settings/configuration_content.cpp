#include "settings/configuration_content.h"

#include "settings/configuration_dialog_ids.h"
#include "settings/press_rules.h"
#include "settings/settings_table.h"

namespace flickmark {
namespace {

using Kind = PageItemKind;

// Tick marks: every 10 positions on the distance and speed scales, every 200 ms on the time scales.
constexpr int kFineTicks = 10;
constexpr int kTimeTicks = 200;

constexpr PageItem kGesturesItems[] = {
    {IDC_GESTURES_NOTE, Kind::Text,
     "These below are advanced settings, the default values are recommended. These settings are used to "
     "define how the program detects a mouse motion."},
    {IDC_LENGTH_PANEL, Kind::Panel, "Minimum length required to move per gesture direction (in pixels)"},
    {IDC_LENGTH_PREVIEW, Kind::Preview},
    {IDC_X_PIXEL_LABEL, Kind::Text, "Horizontal"},
    {IDC_X_PIXEL, Kind::TrackBar, {}, index(SettingId::tbXPixel), kFineTicks},
    {IDC_X_PIXEL_LOW, Kind::Text, "Shorter"},
    {IDC_X_PIXEL_HIGH, Kind::Text, "Longer"},
    {IDC_Y_PIXEL_LABEL, Kind::Text, "Vertical"},
    {IDC_Y_PIXEL, Kind::TrackBar, {}, index(SettingId::tbYPixel), kFineTicks},
    {IDC_Y_PIXEL_LOW, Kind::Text, "Shorter"},
    {IDC_Y_PIXEL_HIGH, Kind::Text, "Longer"},
    {IDC_SPEED_PANEL, Kind::Panel, "Speed required to move in each direction"},
    {IDC_DELTA_BIAS, Kind::TrackBar, {}, index(SettingId::tbDeltaBias), kFineTicks},
    {IDC_DELTA_BIAS_LOW, Kind::Text, "Slower"},
    {IDC_DELTA_BIAS_HIGH, Kind::Text, "Faster"},
    {IDC_DISTANCE_PANEL, Kind::Panel, "Distance required to move in each direction"},
    {IDC_DISTANCE_BIAS, Kind::TrackBar, {}, index(SettingId::tbDistanceBias), kFineTicks},
    {IDC_DISTANCE_BIAS_LOW, Kind::Text, "Shorter"},
    {IDC_DISTANCE_BIAS_HIGH, Kind::Text, "Longer"},
    {IDC_PRECISE_RECOGNITION, Kind::CheckBox, "&Precise recognition", index(SettingId::cbPreciseRecognition)},
    {IDC_PRECISE_RECOGNITION_NOTE, Kind::Text, "Reads every move from the press on: quick flicks count too."},
};

constexpr PageItem kHelpPopupItems[] = {
    {IDC_HELP_POPUP_NOTE, Kind::Text,
     "After moving the mouse in a direction and pausing, with right-click held, a popup will be displayed "
     "showing all mouse gestures that start with that motion."},
    {IDC_ENABLE_HELP_POPUP, Kind::CheckBox, "&Enable the Help Popup", index(SettingId::cbEnableHelpPoup)},
    {IDC_HELP_PAUSE_PANEL,
     Kind::Panel,
     "Time required to show the popup, when pausing",
     kNoSettingRow,
     0,
     {},
     index(SettingId::cbEnableHelpPoup)},
    {IDC_HELP_PAUSE,
     Kind::TrackBar,
     {},
     index(SettingId::tbHelpPause),
     kTimeTicks,
     {},
     index(SettingId::cbEnableHelpPoup)},
    {IDC_HELP_PAUSE_LOW, Kind::Text, "Shorter", kNoSettingRow, 0, {}, index(SettingId::cbEnableHelpPoup)},
    {IDC_HELP_PAUSE_HIGH, Kind::Text, "Longer", kNoSettingRow, 0, {}, index(SettingId::cbEnableHelpPoup)},
};

constexpr PageItem kScratchpadItems[] = {
    {IDC_SCRATCHPAD_NOTE, Kind::Text,
     "The Scratchpad is a small window that is slightly visible on the side of the screen. Moving the mouse "
     "over it will show the window and allows for an area to draw gestures. This can be used when drawing a "
     "gesture on the target program doesn't work well."},
    {IDC_ENABLE_SCRATCHPAD, Kind::CheckBox, "&Enable the Scratchpad", index(SettingId::cbEnableScratchpad)},
    {IDC_FADE_TIME_PANEL,
     Kind::Panel,
     "Time to wait before auto-closing",
     kNoSettingRow,
     0,
     {},
     index(SettingId::cbEnableScratchpad)},
    {IDC_FADE_TIME,
     Kind::TrackBar,
     {},
     index(SettingId::tbFadeTime),
     kTimeTicks,
     {},
     index(SettingId::cbEnableScratchpad)},
    {IDC_FADE_TIME_LOW, Kind::Text, "Shorter", kNoSettingRow, 0, {}, index(SettingId::cbEnableScratchpad)},
    {IDC_FADE_TIME_HIGH, Kind::Text, "Longer", kNoSettingRow, 0, {}, index(SettingId::cbEnableScratchpad)},
};

constexpr PageItem kDiagonalsItems[] = {
    {IDC_DIAGONALS_NOTE, Kind::Text,
     "Diagonal movements allow for more variety of gesture types, but can also be harder to perform. When "
     "enabled, the diagonal directions [NorthEast, NorthWest, SouthEast, SouthWest] will also be detected "
     "and "
     "shown on the Edit Gesture window."},
    {IDC_ENABLE_DIAGONALS, Kind::CheckBox, "&Enable Diagonal Movements", index(SettingId::cbEnableDiagonals)},
    {IDC_SUGGESTIONS_NOTE,
     Kind::Text,
     "When diagonals are enabled, the program can make suggestions for incorrect gestures.",
     kNoSettingRow,
     0,
     {},
     index(SettingId::cbEnableDiagonals)},
    {IDC_ENABLE_SUGGESTIONS,
     Kind::CheckBox,
     "Enable the &Suggestions Popup",
     index(SettingId::cbEnabledSuggestions),
     0,
     {},
     index(SettingId::cbEnableDiagonals)},
    {IDC_CORRECTIONS_NOTE,
     Kind::Text,
     "When diagonals are enabled, the program can run a very similar gesture automatically.",
     kNoSettingRow,
     0,
     {},
     index(SettingId::cbEnableDiagonals)},
    {IDC_ENABLE_CORRECTIONS,
     Kind::CheckBox,
     "Enable Auto-&Corrections",
     index(SettingId::cbEnableCorrections),
     0,
     {},
     index(SettingId::cbEnableDiagonals)},
};

constexpr ComboChoice kBypassKeyChoices[] = {
    {0, "None"},
    {0x10, "Shift"},
    {0x11, "Ctrl"},
    {0x12, "Alt"},
};

constexpr PageItem kMiscItems[] = {
    {IDC_SCROLL_LOCK_HEADING, Kind::Text, "Scroll Lock Disable:"},
    {IDC_SCROLL_LOCK_NOTE, Kind::Text,
     "To disable the Right-Click monitoring temporarily, press the Scroll Lock key on the keyboard. Press it "
     "again to re-enable monitoring."},
    {IDC_SIGN_IN_HEADING, Kind::Text, "Start with Windows:"},
    {IDC_SIGN_IN_NOTE, Kind::Text,
     "Flickmark can start by itself each time you sign in to Windows. Windows keeps this choice for your "
     "user "
     "account; the settings file does not."},
    {IDC_START_WITH_WINDOWS, Kind::Text, "&Start Flickmark when I sign in"},
    {IDC_CAPTURED_MOUSE_HEADING, Kind::Text, "Games and remote desktops:"},
    {IDC_IGNORE_CAPTURED_MOUSE, Kind::CheckBox, "No gestures where a program has captured the &mouse",
     index(SettingId::cbIgnoreCapturedMouse)},
    {IDC_CAPTURED_MOUSE_NOTE, Kind::Text,
     "Games, virtual machines and remote desktops that confine the pointer to their window, or hide it, "
     "keep the right button to themselves."},
    {IDC_BYPASS_KEY_HEADING, Kind::Text, "Bypass key:"},
    {IDC_BYPASS_KEY_LABEL, Kind::Text, "Hold this &key while pressing the right button to draw no gesture:"},
    {IDC_BYPASS_KEY, Kind::ComboBox, {}, index(SettingId::cmbBypassKey), 0, kBypassKeyChoices},
};

constexpr PageItem kProgramsItems[] = {
    {IDC_PROGRAMS_NOTE, Kind::Text,
     "Flickmark leaves the right button to these programs. A program is named by its file, such as "
     "game.exe; game.exe|Class names one class of its windows, and * or ? match several programs. "
     "Changes apply at once."},
    {IDC_REMOVE_PROGRAM, Kind::Text, "&Remove"},
    {IDC_ADD_PROGRAM_PANEL, Kind::Panel, "Add a program"},
    {IDC_ADD_PROGRAM_LABEL, Kind::Text, "&Program:"},
    {IDC_ADD_PROGRAM_LIST_LABEL, Kind::Text, "&What:"},
    {IDC_ADD_PROGRAM, Kind::Text, "&Add"},
};

// Node pictures: 5 gestures, 6 help popup, 3 scratchpad, 2 diagonals, 1 edit gestures, 0 configure.
constexpr std::array<ConfigurationPage, configuration_page::kCount> kPages = {{
    {"Gestures", 5, IDD_CONFIG_PAGE_GESTURES, kGesturesItems},
    {"Help Popup", 6, IDD_CONFIG_PAGE_HELP_POPUP, kHelpPopupItems},
    {"Scratchpad", 3, IDD_CONFIG_PAGE_SCRATCHPAD, kScratchpadItems},
    {"Diagonals", 2, IDD_CONFIG_PAGE_DIAGONALS, kDiagonalsItems},
    {"Programs", 0, IDD_CONFIG_PAGE_PROGRAMS, kProgramsItems},
    {"Misc", 1, IDD_CONFIG_PAGE_MISC, kMiscItems},
}};

} // namespace

std::string otherChoiceText(std::size_t row, int value) {
    if (row == index(SettingId::cmbBypassKey))
        return "Other (" + bypassKeyName(value) + ")";
    return "Other (" + std::to_string(value) + ")";
}

const std::array<ConfigurationPage, configuration_page::kCount>& configurationPages() {
    return kPages;
}

} // namespace flickmark
