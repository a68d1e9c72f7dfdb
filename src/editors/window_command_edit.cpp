#include "editors/window_command_edit.h"

namespace flickmark {

bool WindowCommandEdit::setAction(std::string_view storedName) {
    command_ = windowCommandNamed(storedName);
    loaded_ = command_;
    storedName_ = std::string(storedName);
    return command_.has_value();
}

void WindowCommandEdit::clear() {
    command_ = WindowCommand::Maximize;
    loaded_.reset();
    storedName_.clear();
}

std::string WindowCommandEdit::actionText() const {
    if (!command_)
        return {};
    if (loaded_ == command_)
        return storedName_;
    return std::string(windowCommandName(*command_));
}

std::string_view WindowCommandEdit::description() const {
    if (!command_)
        return {};
    return windowCommands()[static_cast<std::size_t>(*command_)].description;
}

} // namespace flickmark
