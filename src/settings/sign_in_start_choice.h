// "Start with Windows": the check box shows whether the current user's sign-in entry starts this copy when
// the window opens, and closing the window makes the entry follow the box. The entry itself is the only
// record of the choice, so an installer's choice and the box always agree. An entry that starts another copy
// (another folder's flickmark.exe) leaves the box empty and stays as it is, unless the box is ticked: then
// this copy takes its place, as there is one entry.
#pragma once

#include "platform/sign_in_start.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace flickmark {

// The command that starts this copy at sign-in: the program's quoted path, then -data and the quoted folder
// when the program was started with one (without a trailing delimiter, except a drive's root). Quoted by the
// usual command-line rules, so every path reads back as written.
std::string signInCommand(std::string_view programPath, std::optional<std::string_view> dataFolder);

class SignInStartChoice {
public:
    enum class Outcome { Unchanged, Added, Removed, Refused };

    SignInStartChoice(SignInStart& entry, std::string command)
        : entry_(entry), command_(std::move(command)) {}

    // Whether the entry starts this copy now (its program is this copy's, in any letter case, whatever data
    // folder it names): what the check box shows.
    bool read();
    // The program of an entry that read() found starting another copy; nothing otherwise.
    const std::optional<std::string>& otherCopy() const { return otherCopy_; }
    // Adds (our command) or removes the entry when `checked` differs from what read() found.
    Outcome apply(bool checked);

private:
    SignInStart& entry_;
    std::string command_;
    bool registered_ = false;
    std::optional<std::string> otherCopy_;
};

} // namespace flickmark
