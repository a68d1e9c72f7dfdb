// The data folder, where every file of the program is opened: the executable's folder, or the folder
// given with "-data DIR" on the command line (portable use, tests). The result is absolute and ends in a
// path delimiter, so file names are appended directly and data files are never looked up in the Windows
// directory, nor in whatever the current directory becomes later (file dialogs change it).
#pragma once

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
// The folder of the executable's full path. At a drive's root it keeps its delimiter ("E:\\" for
// "E:\\flickmark.exe"): "E:" alone would name the current folder of drive E. Empty for a path without a
// folder.
std::string executableFolder(std::string_view executablePath);
// Whether the arguments choose the data folder (a "-data DIR" that dataFolderFromCommandLine takes).
bool namesDataFolder(std::span<const std::string> arguments);

} // namespace flickmark
