// Feeds a parsed trace to the recognizer, wired to fakes on virtual time, and reports what it does.
#pragma once

#include "trace.h"

#include <ostream>

namespace flickmark {

struct ReplayOptions {
    bool log = false; // also print the diagnostic log lines
};

void replayTrace(const Trace& trace, const ReplayOptions& options, std::ostream& out);

} // namespace flickmark
