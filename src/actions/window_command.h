// Window and media commands: what a gesture of the type "Window Command" does, by the name stored as its
// action. Window commands act on the window the gesture was drawn on; media commands press the system's
// media keys, which need no focus.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace flickmark {

enum class WindowCommand {
    Maximize, // toggles maximized and restored
    Minimize,
    Close,
    AlwaysOnTop, // toggles
    NextMonitor,
    PreviousMonitor,
    NextDesktop,
    PreviousDesktop,
    VolumeUp,
    VolumeDown,
    Mute,
    PlayPause,
    NextTrack,
    PreviousTrack,
    StopMedia,
};

// The groups the editors show the commands in.
enum class WindowCommandGroup { Window, MonitorAndDesktop, SoundAndMedia };

struct WindowCommandInfo {
    WindowCommand command;
    std::string_view name; // as stored, and as the menus, the gestures window and the log show it
    WindowCommandGroup group;
    std::string_view description; // what it does, for the editors
};

// Every command, in the editors' order.
std::span<const WindowCommandInfo> windowCommands();
std::string_view windowCommandName(WindowCommand command);
// The command a stored name stands for, compared without regard to case (blanks around it aside); nothing
// for a name this version does not know.
std::optional<WindowCommand> windowCommandNamed(std::string_view name);
// "Window", "Monitor and desktop", "Sound and media".
std::string_view windowCommandGroupName(WindowCommandGroup group);

// The commands that act on a window (the others press keys).
bool actsOnWindow(WindowCommand command);

} // namespace flickmark
