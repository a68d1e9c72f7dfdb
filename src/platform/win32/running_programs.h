// The running-programs port on Win32: the programs of the visible top-level windows.
#pragma once

#include "platform/running_programs.h"

namespace flickmark {

class Win32RunningPrograms final : public RunningPrograms {
public:
    // Windows a user would switch to: visible, without an owner, not tool windows, with a title.
    std::vector<std::string> programsWithWindows() override;
};

} // namespace flickmark
