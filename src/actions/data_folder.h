// The data folder, where every file of the program is opened: the executable's folder, or the folder
// given with "-data DIR" on the command line (portable use, tests). The result is absolute and ends in a
// path delimiter, so file names are appended directly and data files are never looked up in the Windows
// directory, nor in whatever the current directory becomes later (file dialogs change it).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flickmark {

// `arguments` are the command-line arguments after the program name. "-data" is matched ignoring case and
// takes the next argument; a "-data" without one is ignored, and the last "-data DIR" counts. A relative DIR
// (also "\dir" or "C:dir") is resolved against `currentDirectory`; "." and ".." steps are resolved, and
// '/' becomes '\'.
// Every piece of text is passed through unchanged byte for byte, so UTF-8 works as well as the code page.
std::string dataFolderFromCommandLine(std::string_view exeFolder, std::span<const std::string> arguments,
                                      std::string_view currentDirectory);
// Whether the arguments choose the data folder (a "-data DIR" that dataFolderFromCommandLine takes).
bool namesDataFolder(std::span<const std::string> arguments);

// The forms of a chosen data folder for the program's file calls, which take paths in the system (ANSI)
// code page: a folder named with characters outside it cannot be reached by its own name.
struct DataFolderForms {
    std::string shown;               // for the log: characters outside the code page as '?'
    std::optional<std::string> ansi; // when every character has its own form in the code page
    std::optional<std::string>
        ansiShortName; // the short (8.3) name, when there is one and it has such a form
};

struct ReachableDataFolder {
    // Where the data files are opened, ending in a path delimiter; none when the folder cannot be reached,
    // and then no data file may be read or written anywhere else in its place.
    std::optional<std::string> path;
    std::string notice; // one line for the diagnostic log; empty when the folder is reached by its name
};

// The folder by its own name, else by its short name; else none, with a line that names the folder and
// tells the user how to choose another one.
ReachableDataFolder reachableDataFolder(const DataFolderForms& forms);

} // namespace flickmark
