#include "actions/window_command_runner.h"

#include "actions/monitor_move.h"
#include "base/virtual_keys.h"

#include <cstdint>

namespace flickmark {
namespace {

constexpr std::uint8_t kVolumeMute = 0xAD;
constexpr std::uint8_t kVolumeDown = 0xAE;
constexpr std::uint8_t kVolumeUp = 0xAF;
constexpr std::uint8_t kNextTrack = 0xB0;
constexpr std::uint8_t kPreviousTrack = 0xB1;
constexpr std::uint8_t kStopMedia = 0xB2;
constexpr std::uint8_t kPlayPause = 0xB3;

// The keys a command that is no window command presses.
KeystrokeData keysOf(WindowCommand command) {
    KeystrokeData keys;
    keys.text = std::string(windowCommandName(command));
    switch (command) {
    case WindowCommand::NextDesktop:
    case WindowCommand::PreviousDesktop:
        keys.win = 1;
        keys.ctrl = 1;
        keys.key = command == WindowCommand::NextDesktop ? vk::Right : vk::Left;
        break;
    case WindowCommand::VolumeUp:
        keys.key = kVolumeUp;
        break;
    case WindowCommand::VolumeDown:
        keys.key = kVolumeDown;
        break;
    case WindowCommand::Mute:
        keys.key = kVolumeMute;
        break;
    case WindowCommand::PlayPause:
        keys.key = kPlayPause;
        break;
    case WindowCommand::NextTrack:
        keys.key = kNextTrack;
        break;
    case WindowCommand::PreviousTrack:
        keys.key = kPreviousTrack;
        break;
    case WindowCommand::StopMedia:
        keys.key = kStopMedia;
        break;
    default:
        break;
    }
    return keys;
}

} // namespace

std::string WindowCommandRunner::programOf(WindowId window) {
    std::string program = ports_.desktop.processNameOfWindow(window);
    return program.empty() || program == "[error]" ? "the window" : program;
}

bool WindowCommandRunner::run(std::string_view storedName, WindowId pressWindow) {
    const std::optional<WindowCommand> command = windowCommandNamed(storedName);
    if (!command) {
        ports_.log.append("Window command \"" + std::string(storedName) +
                          "\" not run: this version of Flickmark does not know it");
        return false;
    }
    const std::string name(windowCommandName(*command));
    if (!actsOnWindow(*command))
        return pressKeys(*command);
    const WindowId window = target(pressWindow, name);
    if (window == 0 || !ports_.targets.commandsReach(window, name))
        return false;
    ports_.log.append("run window command " + name + " on " + programOf(window));
    actOnWindow(*command, window);
    return true;
}

WindowId WindowCommandRunner::target(WindowId pressWindow, std::string_view command) {
    const std::string prefix = "Window command " + std::string(command) + " not run: ";
    if (pressWindow == 0) {
        ports_.log.append(prefix + "no window was under the cursor");
        return 0;
    }
    // The window may have closed during the stroke; the one in front then stands for it.
    const WindowId drawnOn =
        ports_.windows.exists(pressWindow) ? pressWindow : ports_.desktop.foregroundWindow();
    const WindowId window = drawnOn != 0 ? ports_.windows.rootOwner(drawnOn) : 0;
    if (window == 0) {
        ports_.log.append(prefix + "the window it was drawn on has closed, and no window is in front");
        return 0;
    }
    if (isShellWindowClass(ports_.desktop.windowClassName(window))) {
        ports_.log.append(prefix + "it does not act on the desktop or the taskbar");
        return 0;
    }
    if (ports_.desktop.isOwnWindow(window)) {
        ports_.log.append(prefix + "it does not act on Flickmark's own windows");
        return 0;
    }
    return window;
}

void WindowCommandRunner::actOnWindow(WindowCommand command, WindowId window) {
    const std::string program = programOf(window);
    const std::optional<WindowFrame> frame = ports_.windows.frame(window);
    if (!frame) {
        ports_.log.append("Window command not run: the styles of " + program + "'s window cannot be read");
        return;
    }
    switch (command) {
    case WindowCommand::Maximize:
        toggleMaximized(window, *frame, program);
        break;
    case WindowCommand::Minimize:
        if (!frame->minimizeBox)
            ports_.log.append("Minimize: " + program + "'s window has no minimize button; nothing done");
        else
            ports_.windows.postSystemCommand(window, SystemCommand::Minimize);
        break;
    case WindowCommand::Close:
        // As the close button: the program may ask to save first.
        ports_.windows.postSystemCommand(window, SystemCommand::Close);
        break;
    case WindowCommand::AlwaysOnTop:
        toggleTopmost(window, *frame, program);
        break;
    case WindowCommand::NextMonitor:
    case WindowCommand::PreviousMonitor:
        moveToMonitor(window, *frame, command == WindowCommand::NextMonitor ? 1 : -1, program);
        break;
    default:
        break;
    }
}

void WindowCommandRunner::toggleMaximized(WindowId window, const WindowFrame& frame,
                                          const std::string& program) {
    const std::optional<WindowPlace> place = ports_.windows.place(window);
    if (place && place->state == ShowState::Maximized) {
        ports_.windows.postSystemCommand(window, SystemCommand::Restore);
        return;
    }
    if (!frame.maximizeBox) {
        ports_.log.append("Maximize: " + program + "'s window has no maximize button; nothing done");
        return;
    }
    ports_.windows.postSystemCommand(window, SystemCommand::Maximize);
}

void WindowCommandRunner::toggleTopmost(WindowId window, const WindowFrame& frame,
                                        const std::string& program) {
    const bool onTop = !frame.topmost;
    if (!ports_.windows.setTopmost(window, onTop)) {
        ports_.log.append("Always On Top: " + program + "'s window refused the change");
        return;
    }
    ports_.log.append(onTop ? "Always On Top: " + program + "'s window is now on top"
                            : "Always On Top: " + program + "'s window is no longer on top");
}

void WindowCommandRunner::moveToMonitor(WindowId window, const WindowFrame& frame, int step,
                                        const std::string& program) {
    const std::string name(
        windowCommandName(step > 0 ? WindowCommand::NextMonitor : WindowCommand::PreviousMonitor));
    const std::vector<MonitorArea> monitors = monitorsInOrder(ports_.windows.monitorAreas());
    if (monitors.size() < 2) {
        ports_.log.append(name + ": there is only one monitor; nothing done");
        return;
    }
    const std::optional<WindowPlace> place = ports_.windows.place(window);
    if (!place) {
        ports_.log.append(name + ": the place of " + program + "'s window cannot be read; nothing done");
        return;
    }
    // A minimized window is on the monitor it is restored to.
    const Rect& where = place->state == ShowState::Minimized ? place->normal : place->rect;
    const std::size_t to = steppedMonitor(monitorOfWindow(monitors, where), step, monitors.size());
    const std::size_t normalFrom = monitorOfWindow(monitors, place->normal);
    const Rect placed = placeOnMonitor(place->normal, monitors[normalFrom], monitors[to], frame.resizable);
    const bool moved = place->state == ShowState::Normal
                           ? ports_.windows.moveWindow(window, placed, frame.resizable)
                           : ports_.windows.setRestoredPlace(window, placed, place->state);
    ports_.log.append(
        name + ": " + program + "'s window " +
        (moved ? "moved to monitor " + std::to_string(to + 1) + " of " + std::to_string(monitors.size())
               : std::string("refused the move")));
}

bool WindowCommandRunner::pressKeys(WindowCommand command) {
    const KeystrokeData keys = keysOf(command);
    if (!ports_.targets.keysReach(ports_.desktop.foregroundWindow(), keys.text))
        return false;
    ports_.log.append("run window command " + keys.text);
    ports_.keystrokes.sendKeystroke(keys);
    return true;
}

} // namespace flickmark
