#include "actions/window_command.h"

#include "base/ascii_text.h"

#include <array>

namespace flickmark {
namespace {

using Group = WindowCommandGroup;

constexpr std::array<WindowCommandInfo, 15> kCommands = {{
    {WindowCommand::Maximize, "Maximize", Group::Window,
     "Maximizes the window the gesture is drawn on, or restores it when it is maximized."},
    {WindowCommand::Minimize, "Minimize", Group::Window, "Minimizes the window the gesture is drawn on."},
    {WindowCommand::Close, "Close", Group::Window,
     "Closes the window the gesture is drawn on, as its close button does: the program may ask to save."},
    {WindowCommand::AlwaysOnTop, "Always On Top", Group::Window,
     "Keeps the window the gesture is drawn on above all others, or lets it go back among them."},
    {WindowCommand::NextMonitor, "Next Monitor", Group::MonitorAndDesktop,
     "Moves the window the gesture is drawn on to the next monitor, left to right, at the same place and "
     "relative size."},
    {WindowCommand::PreviousMonitor, "Previous Monitor", Group::MonitorAndDesktop,
     "Moves the window the gesture is drawn on to the previous monitor, at the same place and relative "
     "size."},
    {WindowCommand::NextDesktop, "Next Desktop", Group::MonitorAndDesktop,
     "Switches to the next virtual desktop (Windows key + Ctrl + Right)."},
    {WindowCommand::PreviousDesktop, "Previous Desktop", Group::MonitorAndDesktop,
     "Switches to the previous virtual desktop (Windows key + Ctrl + Left)."},
    {WindowCommand::VolumeUp, "Volume Up", Group::SoundAndMedia, "Turns the sound up, as the Volume Up key."},
    {WindowCommand::VolumeDown, "Volume Down", Group::SoundAndMedia,
     "Turns the sound down, as the Volume Down key."},
    {WindowCommand::Mute, "Mute", Group::SoundAndMedia, "Mutes the sound, or turns it back on."},
    {WindowCommand::PlayPause, "Play / Pause", Group::SoundAndMedia,
     "Plays or pauses the media player, as the Play/Pause key."},
    {WindowCommand::NextTrack, "Next Track", Group::SoundAndMedia, "Skips to the next track."},
    {WindowCommand::PreviousTrack, "Previous Track", Group::SoundAndMedia,
     "Goes back to the previous track."},
    {WindowCommand::StopMedia, "Stop Media", Group::SoundAndMedia, "Stops the media player."},
}};

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (static_cast<std::size_t>(kCommands[i].command) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "the table is indexed by the command");

} // namespace

std::span<const WindowCommandInfo> windowCommands() {
    return kCommands;
}

std::string_view windowCommandName(WindowCommand command) {
    return kCommands[static_cast<std::size_t>(command)].name;
}

std::optional<WindowCommand> windowCommandNamed(std::string_view name) {
    name = trimBlanks(name);
    for (const WindowCommandInfo& info : kCommands)
        if (equalsIgnoringAsciiCase(info.name, name))
            return info.command;
    return std::nullopt;
}

std::string_view windowCommandGroupName(WindowCommandGroup group) {
    switch (group) {
    case WindowCommandGroup::Window:
        return "Window";
    case WindowCommandGroup::MonitorAndDesktop:
        return "Monitor and desktop";
    case WindowCommandGroup::SoundAndMedia:
        return "Sound and media";
    }
    return {};
}

bool actsOnWindow(WindowCommand command) {
    return kCommands[static_cast<std::size_t>(command)].group == WindowCommandGroup::Window ||
           command == WindowCommand::NextMonitor || command == WindowCommand::PreviousMonitor;
}

} // namespace flickmark
