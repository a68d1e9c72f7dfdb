// The tray icon's menu: its items in order, rebuilt at every opening from the current state.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

// Pictures of the shared menu and tree image list, by index. Index 4 holds no picture.
inline constexpr int kPopupIconConfigure = 0;
inline constexpr int kPopupIconEditGestures = 1;
inline constexpr int kPopupIconDiagonals = 2;
inline constexpr int kPopupIconScratchpad = 3;
inline constexpr int kPopupIconGestures = 5;
inline constexpr int kPopupIconHelpPopup = 6; // also the picture of a gesture file
inline constexpr int kPopupIconCount = 7;
inline constexpr int kNoPicture = -1;

// Menu command ids; 0 is what a menu returns when it closes without a choice.
enum class TrayCommand : unsigned {
    None = 0,
    GesturesOn = 1,
    Configure,
    EditGestures,
    About,
    Exit,
    GesturesOffInProgram,
    FlickmarkOffInProgram,
};

struct TrayMenuItem {
    TrayCommand command = TrayCommand::None; // None for a separator
    std::string caption;                     // with '&' before a mnemonic
    int picture = kNoPicture;
    bool checkable = false;
    bool checked = false;

    bool separator() const { return command == TrayCommand::None; }
    bool operator==(const TrayMenuItem&) const = default;
};

// The program last in front, which two items switch off: its file name and which lists name it.
struct TrayProgram {
    std::string name;
    bool gesturesOff = false;  // "noright.ini"
    bool flickmarkOff = false; // "disabled.ini"
};

// `gesturesOn` is the user's own switch ("Gestures on" ticked), not whether Scroll Lock lets gestures run.
// Without a program there are no per-program items.
std::vector<TrayMenuItem> trayMenuItems(bool gesturesOn, const std::optional<TrayProgram>& program = {});

// The command of a menu choice; None for an id that is not one of the menu's.
TrayCommand trayCommandFromId(unsigned id);

} // namespace flickmark
