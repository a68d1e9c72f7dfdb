// A path for a message box: a box breaks its lines at blanks only and cuts a longer run at its edge, so a
// long path is broken into lines after its folder delimiters beforehand, and shows whole.
#pragma once

#include <string>
#include <string_view>

namespace flickmark {

// `path` in lines of at most `width` characters (bytes of UTF-8 text, never splitting a character), each
// but the last ending with a delimiter where one allows; a name longer than a line is broken where the line
// is full. A path that fits stays one line.
std::string pathInLines(std::string_view path, std::size_t width = 48);

} // namespace flickmark
