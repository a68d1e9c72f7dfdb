// The Programs page of the configuration window: the entries of the three program lists in one table, and
// what adding and removing one does. Every change is written to its file at once.
#pragma once

#include "settings/program_lists.h"

#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

struct ProgramRow {
    ProgramListKind list = ProgramListKind::GesturesOff;
    ProgramListEntry entry;

    // The table's columns: the entry as its file holds it, and what the list does.
    std::string programText() const { return entry.text(); }
    std::string_view listText() const { return programListCaption(list); }

    friend bool operator==(const ProgramRow&, const ProgramRow&) = default;
};

// Every entry of the lists, list by list (in kProgramListKinds order), each in file order.
std::vector<ProgramRow> programRows(const ProgramLists& lists);

// The page's running programs, sorted without regard to case, each name once.
std::vector<std::string> sortedProgramNames(std::vector<std::string> names);

enum class AddProgramResult {
    Added,
    AlreadyListed,
    NotAProgram, // nothing typed, or a path or other text that names no program
    NotSaved,    // added, in effect until the program ends, but the file refused the write
};

// Adds what the user typed (programListEntryFromTyped) to a list.
AddProgramResult addProgram(ProgramLists& lists, ProgramListKind list, std::string_view typed);
// Takes a row's entry off its list; false when the file refused the write (the entry is gone for now).
bool removeProgram(ProgramLists& lists, const ProgramRow& row);

// The page's line about the last change: what was added or removed, or why nothing was.
std::string addProgramMessage(AddProgramResult result, std::string_view typed, ProgramListKind list);

} // namespace flickmark
