// Integrity port: how the program that owns a window stands to this one. Windows drops input that a process
// sends into a window of a process at a higher integrity level (a program run as administrator while this
// one is not), and tells the sender nothing.
#pragma once

#include "platform/desktop.h"

namespace flickmark {

class ProcessIntegrity {
public:
    virtual ~ProcessIntegrity() = default;
    // Whether the process owning `window` runs at a higher integrity level than this process; false when
    // either level cannot be read.
    virtual bool aboveOurs(WindowId window) = 0;
};

} // namespace flickmark
