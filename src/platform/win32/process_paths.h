// The paths a process starts with, in UTF-16 and without length limits: the executable, the command-line
// arguments and the current directory; and the short (8.3) name of a path.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace flickmark::win32 {

// Empty when it cannot be read.
std::wstring executablePath();
// The arguments after the program name, split by the usual command-line rules.
std::vector<std::wstring> commandLineArguments();
// Empty when it cannot be read.
std::wstring currentDirectory();
// None when the path does not exist or cannot be shortened; a volume without short names gives the path
// unchanged.
std::optional<std::wstring> shortPathName(const std::wstring& path);

} // namespace flickmark::win32
