// Feeds a parsed trace to the recognizer, wired to fakes on virtual time, and reports what it does.
#pragma once

#include "trace.h"

#include <map>
#include <optional>
#include <ostream>
#include <string>

namespace flickmark {

struct ReplayOptions {
    bool log = false; // also print the diagnostic log lines
    // With a data folder (file name -> content), each finished gesture is also looked up and the replay
    // prints what would run, through the program's own lookup with fake senders.
    std::optional<std::map<std::string, std::string>> dataFiles;
};

void replayTrace(const Trace& trace, const ReplayOptions& options, std::ostream& out);

} // namespace flickmark
