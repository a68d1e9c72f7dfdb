// The window command editor's state: which window or media command a "Window Command" action runs. What
// the user does not change goes back exactly as it was stored (a name in another case stays so).
#pragma once

#include "actions/window_command.h"

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

class WindowCommandEdit {
public:
    // The command a stored name stands for; false, with nothing chosen, for a name this version does not
    // know.
    bool setAction(std::string_view storedName);
    // The first command, Maximize, is chosen.
    void clear();

    void choose(WindowCommand command) { command_ = command; }
    std::optional<WindowCommand> command() const { return command_; }
    // The chosen command's name as stored: as it was stored while it is the command that was loaded.
    std::string actionText() const;
    // What the chosen command does, for the page; "" when none is chosen.
    std::string_view description() const;

private:
    std::optional<WindowCommand> command_ = WindowCommand::Maximize;
    std::optional<WindowCommand> loaded_;
    std::string storedName_;
};

} // namespace flickmark
