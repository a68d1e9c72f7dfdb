#include "settings/programs_page.h"

#include "base/ascii_text.h"

#include <algorithm>

namespace flickmark {

std::vector<ProgramRow> programRows(const ProgramLists& lists) {
    std::vector<ProgramRow> rows;
    for (const ProgramListKind kind : kProgramListKinds)
        for (const ProgramListEntry& entry : lists.list(kind).entries())
            rows.push_back({kind, entry});
    return rows;
}

std::vector<std::string> sortedProgramNames(std::vector<std::string> names) {
    const auto folded = [](const std::string& name) {
        std::string lower;
        for (const char c : name)
            lower += lowerAscii(c);
        return lower;
    };
    std::sort(names.begin(), names.end(),
              [&](const std::string& a, const std::string& b) { return folded(a) < folded(b); });
    names.erase(
        std::unique(names.begin(), names.end(),
                    [](const std::string& a, const std::string& b) { return equalsIgnoringAsciiCase(a, b); }),
        names.end());
    return names;
}

AddProgramResult addProgram(ProgramLists& lists, ProgramListKind list, std::string_view typed) {
    const std::optional<ProgramListEntry> entry = programListEntryFromTyped(typed);
    if (!entry)
        return AddProgramResult::NotAProgram;
    ProgramListFile& file = lists.list(list);
    if (!file.add(*entry))
        return AddProgramResult::AlreadyListed;
    return file.saved() ? AddProgramResult::Added : AddProgramResult::NotSaved;
}

bool removeProgram(ProgramLists& lists, const ProgramRow& row) {
    ProgramListFile& file = lists.list(row.list);
    file.remove(row.entry);
    return file.saved();
}

std::string addProgramMessage(AddProgramResult result, std::string_view typed, ProgramListKind list) {
    const std::optional<ProgramListEntry> entry = programListEntryFromTyped(typed);
    const std::string name = entry ? entry->text() : std::string(typed);
    const std::string file(programListFileName(list));
    switch (result) {
    case AddProgramResult::Added:
        return "Added " + name + " (" + std::string(programListCaption(list)) + ").";
    case AddProgramResult::AlreadyListed:
        return name + " is listed already.";
    case AddProgramResult::NotAProgram:
        return "Type a program's file name, such as game.exe.";
    case AddProgramResult::NotSaved:
        return "Added " + name + " until Flickmark ends: " + file + " could not be written.";
    }
    return {};
}

} // namespace flickmark
