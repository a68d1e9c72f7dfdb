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
    stored_ = Stored{std::string(actionText), program_, parameters_};
}

std::string ProgramEdit::actionText() const {
    if (stored_ && stored_->program == program_ && stored_->parameters == parameters_)
        return stored_->text;
    return program_ + "|" + parameters_;
}

void ProgramEdit::clear() {
    program_.clear();
    parameters_.clear();
    stored_.reset();
}

FieldCheck ProgramEdit::checkProgram() const {
    if (program_.find('|') != std::string::npos)
        return {false, "A program or file name cannot contain \"|\". Put the parameters in "
                       "\"Optional Parameters\"."};
    return {};
}

FieldCheck ProgramEdit::checkParameters() const {
    if (parameters_.find('|') == std::string::npos)
        return {};
    if (stored_ && parameters_ == stored_->parameters)
        return {true, "The program gets the parameters only up to \"|\": the gesture file ends them there."};
    return {false, "Parameters cannot contain \"|\": the gesture file ends them there, and the rest would be "
                   "lost."};
}

FieldCheck ProgramEdit::check() const {
    FieldCheck program = checkProgram();
    if (!program.ok)
        return program;
    return checkParameters();
}

FieldCheck ProgramEdit::checkForNext() const {
    FieldCheck fields = check();
    if (!fields.ok || program_.find_first_not_of(" \t") != std::string::npos)
        return fields;
    if (parameters_.find_first_not_of(" \t") != std::string::npos)
        return {false, "Parameters need a program: enter the program, document or folder that gets them."};
    return {false, "Enter the program, document or folder to start, or choose one with Browse."};
}

std::string ProgramEdit::encodingNote(const TextCodePage& codePage) const {
    if (codePageFromUtf8Exactly(program_, codePage) && codePageFromUtf8Exactly(parameters_, codePage))
        return {};
    return "The gesture file will be saved as Unicode text, since the system's code page cannot hold some of "
           "these characters.";
}

} // namespace flickmark
