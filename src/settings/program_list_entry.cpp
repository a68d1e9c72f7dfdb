#include "settings/program_list_entry.h"

#include "base/ascii_text.h"
#include "platform/wildcard.h"

namespace flickmark {
namespace {

bool hasWildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

// A file name: no folder, no drive, nothing Windows forbids in a name.
bool isFileNamePattern(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/:\"<>|\r\n") == std::string_view::npos;
}

bool isClassPattern(std::string_view windowClass) {
    return windowClass.find_first_of("|\r\n") == std::string_view::npos;
}

} // namespace

std::string ProgramListEntry::text() const {
    return windowClass.empty() ? program : program + "|" + windowClass;
}

bool ProgramListEntry::matches(const ProgramWindow& window) const {
    if (window.exeName.empty() || !matchesWildcard(window.exeName, program))
        return false;
    return windowClass.empty() || matchesWildcard(window.windowClass, windowClass);
}

bool ProgramListEntry::isPlainProgram() const {
    return windowClass.empty() && !hasWildcard(program);
}

std::optional<ProgramListEntry> parseProgramListEntry(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() == ';')
        return std::nullopt;
    const std::size_t bar = line.find('|');
    ProgramListEntry entry;
    entry.program = std::string(trimBlanks(line.substr(0, bar)));
    if (bar != std::string_view::npos)
        entry.windowClass = std::string(trimBlanks(line.substr(bar + 1)));
    if (!isFileNamePattern(entry.program) || !isClassPattern(entry.windowClass))
        return std::nullopt;
    return entry;
}

std::optional<ProgramListEntry> programListEntryFromTyped(std::string_view typed) {
    std::optional<ProgramListEntry> entry = parseProgramListEntry(typed);
    if (!entry)
        return std::nullopt;
    std::string& program = entry->program;
    if (!hasWildcard(program) && program.find('.') == std::string::npos)
        program += ".exe";
    return entry;
}

} // namespace flickmark
