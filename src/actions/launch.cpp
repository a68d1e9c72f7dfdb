#include "actions/launch.h"

#include "actions/keystroke.h"

namespace flickmark {
namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

constexpr std::uint32_t newProcessGroupFlags(std::uint32_t priorityClass) {
    return priorityClass | creation_flags::kNewProcessGroup;
}

} // namespace

std::string quoteProgramPath(std::string_view program) {
    while (!program.empty() && (program.back() == ' ' || program.back() == '\t'))
        program.remove_suffix(1);
    const bool quoted = !program.empty() && program.front() == '"';
    if (quoted || program.find_first_of(" \t") == std::string_view::npos)
        return std::string(program);
    return "\"" + std::string(program) + "\"";
}

std::string ProgramLauncher::expandEnvironment(const std::string& text) {
    return launcher_.expandEnvironment(text).value_or(text);
}

bool ProgramLauncher::launchCommand(const std::string& commandLine, std::uint32_t priorityClass) {
    const ProcessStart start = launcher_.createProcess(commandLine, newProcessGroupFlags(priorityClass));
    if (!start.started)
        log_.append("Unable to start " + commandLine + " (error " + std::to_string(start.error) + ")");
    return start.started;
}

std::uint32_t ProgramLauncher::shellRun(WindowId owner, std::string_view text) {
    const std::string file(trimmed(text));
    if (file.empty())
        return 0;
    const std::intptr_t shellResult = launcher_.shellExecute(owner, file);
    if (shellResult > 32)
        return 0;
    // Left unquoted on purpose: the shell could not open the whole text as one file, so the only thing
    // left to try is reading it as a program followed by its arguments.
    const ProcessStart start =
        launcher_.createProcess(file, newProcessGroupFlags(creation_flags::kNormalPriority));
    if (start.started)
        return 0;
    log_.append("Unable to open " + file + " (shell result " + std::to_string(shellResult) + ", error " +
                std::to_string(start.error) + ")");
    return start.error;
}

bool ProgramLauncher::runProgramAction(std::string_view actionText) {
    std::string rest(actionText);
    const std::string program = expandEnvironment(takeToken(rest, "|"));
    if (!rest.empty()) {
        const std::string parameters = takeToken(rest, "|");
        return launchCommand(quoteProgramPath(program) + " " + parameters);
    }
    // Opened directly rather than through the command-text interpreter, so that brackets in a path such
    // as "C:\Games\[TAB]\a.exe" never turn into keystrokes.
    return shellRun(owner_, program) == 0 && !trimmed(program).empty();
}

} // namespace flickmark
