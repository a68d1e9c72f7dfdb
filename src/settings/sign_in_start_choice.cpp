#include "settings/sign_in_start_choice.h"

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
    registered_ = entry_.command().has_value();
    return registered_;
}

SignInStartChoice::Outcome SignInStartChoice::apply(bool checked) {
    if (checked == registered_)
        return Outcome::Unchanged;
    if (!(checked ? entry_.setCommand(command_) : entry_.remove()))
        return Outcome::Refused;
    registered_ = checked;
    return checked ? Outcome::Added : Outcome::Removed;
}

} // namespace flickmark
