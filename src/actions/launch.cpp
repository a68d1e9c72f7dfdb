#include "actions/launch.h"

#include "actions/keystroke.h"
#include "base/ascii_text.h"

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

constexpr std::uint32_t kFileNotFound = 2; // ERROR_FILE_NOT_FOUND

// A text read as a program followed by its arguments.
struct CommandText {
    std::string program;   // the quoted part when the text starts with a quote, else up to the first blank
    std::string arguments; // the rest as written, from the blank (or closing quote) on
};

CommandText splitCommandText(std::string_view text) {
    if (!text.empty() && text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        if (close == std::string_view::npos)
            return {std::string(text.substr(1)), {}};
        return {std::string(text.substr(1, close - 1)), std::string(text.substr(close + 1))};
    }
    const std::size_t blank = text.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, blank)), std::string(text.substr(blank))};
}

// Whether a file name ends in the extension of something the system starts as a process. Without one,
// process creation would append ".exe" and so start a file the text never named ("D:\My" of
// "D:\My Tools\tool.exe" becomes "D:\My.exe"); any other one would still start a program planted under
// that name ("C:\notes\to.do" of "C:\notes\to.do list.txt").
bool hasProgramExtension(std::string_view path) {
    const std::size_t folderEnd = path.find_last_of("\\/:");
    const std::string_view name = folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view extension = name.substr(dot + 1);
    for (const std::string_view known : {"exe", "com", "scr", "bat", "cmd"})
        if (equalsIgnoringAsciiCase(extension, known))
            return true;
    return false;
}

bool namesAFolder(std::string_view program) {
    return program.find_first_of("\\/:") != std::string_view::npos;
}

std::string withoutQuotes(std::string_view program) {
    program = trimmed(program);
    if (program.size() >= 2 && program.front() == '"' && program.back() == '"')
        program = program.substr(1, program.size() - 2);
    return std::string(program);
}

std::string notFoundText(std::string_view name) {
    return std::string(name) + " is in none of App Paths, the system folders and PATH";
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

std::optional<std::string> ProgramLauncher::locateProgram(std::string_view program) {
    std::string name = withoutQuotes(program);
    if (name.empty() || namesAFolder(name))
        return std::string(trimmed(program));
    if (name.find('.') == std::string::npos)
        name += ".exe"; // as process creation reads a bare name
    if (const std::optional<std::string> registered = launcher_.registeredProgram(name))
        if (launcher_.isFile(*registered))
            return *registered;
    for (std::string folder : launcher_.programFolders()) {
        if (folder.empty())
            continue;
        if (folder.back() != '\\' && folder.back() != '/')
            folder += '\\';
        if (launcher_.isFile(folder + name))
            return folder + name;
    }
    return std::nullopt;
}

std::uint32_t ProgramLauncher::shellRun(WindowId owner, std::string_view text) {
    const std::string file(trimmed(text));
    if (file.empty())
        return 0;
    const std::intptr_t shellResult = launcher_.shellExecute(owner, file);
    if (shellResult > 32)
        return 0;
    // The shell could not open the whole text as one file, so what is left is reading it as a program
    // followed by its arguments. Only that program may start, quoted so that process creation never tries
    // a shorter part of a path with blanks, which could be a program planted there.
    const CommandText command = splitCommandText(file);
    const std::string failure = "Unable to open " + file + " (shell result " + std::to_string(shellResult);
    if (!hasProgramExtension(command.program)) {
        log_.append(failure + "); not started as a command either: \"" + command.program +
                    "\" is no program file (.exe, .com, .scr, .bat or .cmd)");
        return kFileNotFound;
    }
    const std::optional<std::string> program = locateProgram(command.program);
    if (!program) {
        log_.append(failure + "); not started as a command either: " + notFoundText(command.program));
        return kFileNotFound;
    }
    // A quoted program's arguments may follow the closing quote without a blank; they stay apart.
    const bool apart =
        command.arguments.empty() || command.arguments.front() == ' ' || command.arguments.front() == '\t';
    const ProcessStart start =
        launcher_.createProcess(quoteProgramPath(*program) + (apart ? "" : " ") + command.arguments,
                                newProcessGroupFlags(creation_flags::kNormalPriority));
    if (start.started)
        return 0;
    log_.append(failure + ", error " + std::to_string(start.error) + ")");
    return start.error;
}

bool ProgramLauncher::runProgramAction(std::string_view actionText) {
    std::string rest(actionText);
    const std::string program = expandEnvironment(takeToken(rest, "|"));
    // Without a program the parameters would become the whole command line, unquoted.
    if (trimmed(program).empty()) {
        if (!trimmed(rest).empty())
            log_.append("Run Program / File not started: it names no program, only the parameters " + rest);
        return false;
    }
    if (!rest.empty()) {
        const std::string parameters = takeToken(rest, "|");
        const std::optional<std::string> located = locateProgram(program);
        if (!located) {
            log_.append("Run Program / File not started: " + notFoundText(withoutQuotes(program)));
            return false;
        }
        return launchCommand(quoteProgramPath(*located) + " " + parameters);
    }
    // Opened directly rather than through the command-text interpreter, so that brackets in a path such
    // as "C:\Games\[TAB]\a.exe" never turn into keystrokes.
    return shellRun(owner_, program) == 0 && !trimmed(program).empty();
}

} // namespace flickmark
