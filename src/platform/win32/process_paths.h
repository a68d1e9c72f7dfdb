// The paths a process starts with, in UTF-16 and without length limits: the executable, the command-line
// arguments and the current directory.
#pragma once

#include <string>
#include <vector>

namespace flickmark::win32 {

// Empty when it cannot be read.
std::wstring executablePath();
// The arguments after the program name, split by the usual command-line rules.
std::vector<std::wstring> commandLineArguments();
// Empty when it cannot be read.
std::wstring currentDirectory();

} // namespace flickmark::win32
