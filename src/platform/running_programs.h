// The programs running on the desktop, as the Programs page offers them to choose from.
#pragma once

#include <string>
#include <vector>

namespace flickmark {

class RunningPrograms {
public:
    virtual ~RunningPrograms() = default;
    // The file names of the programs that show a window on the desktop, other than this one, each once.
    virtual std::vector<std::string> programsWithWindows() = 0;
};

} // namespace flickmark
