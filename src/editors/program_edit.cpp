#include "editors/program_edit.h"

#include "actions/keystroke.h"

namespace flickmark {

namespace {

constexpr ProgramLocation kProgramLocations[] = {
    {"Desktop", KnownFolder::Desktop},
    {"Start Menu", KnownFolder::StartMenu},
    {"Start Menu All Users", KnownFolder::CommonStartMenu},
    {"Documents", KnownFolder::Documents},
};

} // namespace

std::span<const ProgramLocation> programLocations() {
    return kProgramLocations;
}

void ProgramEdit::setAction(std::string_view actionText) {
    std::string rest(actionText);
    program_ = takeToken(rest, "|");
    parameters_ = std::move(rest);
}

void ProgramEdit::clear() {
    program_.clear();
    parameters_.clear();
}

FieldCheck ProgramEdit::checkProgram() const {
    if (program_.find('|') != std::string::npos)
        return {false, "A program or file name cannot contain \"|\". Put the parameters in "
                       "\"Optional Parameters\"."};
    return {};
}

} // namespace flickmark
