#include "settings/sign_in_start_choice.h"

#include "base/ascii_text.h"

namespace flickmark {
namespace {

// A backslash run is literal unless a quote follows it: then each backslash needs a second one.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    std::size_t backslashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else {
            if (c == '"')
                out.append(backslashes + 1, '\\');
            backslashes = 0;
        }
        out += c;
    }
    out.append(backslashes, '\\');
    return out + "\"";
}

// The program of a command: its quoted first part, or all up to the first blank.
std::string_view commandProgram(std::string_view command) {
    while (!command.empty() && (command.front() == ' ' || command.front() == '\t'))
        command.remove_prefix(1);
    if (!command.empty() && command.front() == '"') {
        command.remove_prefix(1);
        return command.substr(0, command.find('"'));
    }
    return command.substr(0, command.find_first_of(" \t"));
}

} // namespace

std::string signInCommand(std::string_view programPath, std::optional<std::string_view> dataFolder) {
    std::string command = quoted(programPath);
    if (dataFolder) {
        std::string_view folder = *dataFolder;
        const bool root = folder.size() <= 3 && folder.size() >= 2 && folder[1] == ':';
        while (!root && folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/'))
            folder.remove_suffix(1);
        command += " -data " + quoted(folder);
    }
    return command;
}

bool SignInStartChoice::read() {
    const std::optional<std::string> command = entry_.command();
    registered_ = command && equalsIgnoringAsciiCase(commandProgram(*command), commandProgram(command_));
    otherCopy_.reset();
    if (command && !registered_)
        otherCopy_ = std::string(commandProgram(*command));
    return registered_;
}

SignInStartChoice::Outcome SignInStartChoice::apply(bool checked) {
    if (checked == registered_)
        return Outcome::Unchanged;
    if (!(checked ? entry_.setCommand(command_) : entry_.remove()))
        return Outcome::Refused;
    registered_ = checked;
    otherCopy_.reset();
    return checked ? Outcome::Added : Outcome::Removed;
}

} // namespace flickmark
