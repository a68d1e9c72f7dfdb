// One line of a program list ("disabled.ini", "noright.ini", "fullscreen.ini"): which windows it names.
//
//   photoshop.exe            every window of that program (the executable's file name, as the program's
//                            gesture file is named after it)
//   mstsc.exe|TscShellContainerClass   only the top-level windows of that class of that program
//   *|TscShellContainerClass          windows of that class in any program
//
// Names and classes compare without regard to case; '*' and '?' work in both as in file-name patterns.
// Blanks around the line and around either part are not part of it. A blank line, a line starting with
// ';', and a line that names no program this way (a path, a second '|', nothing before the '|') are no
// entries: they match nothing and are kept in the file as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

// A top-level window as the lists see it.
struct ProgramWindow {
    std::string exeName;     // the executable's file name; empty when unknown
    std::string windowClass; // empty when unknown

    friend bool operator==(const ProgramWindow&, const ProgramWindow&) = default;
};

struct ProgramListEntry {
    std::string program;     // a file-name pattern for the executable
    std::string windowClass; // a pattern for the class; empty: any class

    // The entry as a line of its file: "program" or "program|class".
    std::string text() const;
    bool matches(const ProgramWindow& window) const;
    // Names a program by its exact name (no '*' or '?'), and with it no class: what the tray menu and the
    // help menu add and take away again.
    bool isPlainProgram() const;

    friend bool operator==(const ProgramListEntry&, const ProgramListEntry&) = default;
};

// The entry a line holds; nothing for comments, blank lines and lines that name no program.
std::optional<ProgramListEntry> parseProgramListEntry(std::string_view line);

// What a user typed as a program, made an entry: blanks trimmed, and ".exe" added to a plain name without
// an extension ("notepad" -> "notepad.exe"); nothing when it names no program.
std::optional<ProgramListEntry> programListEntryFromTyped(std::string_view typed);

} // namespace flickmark
