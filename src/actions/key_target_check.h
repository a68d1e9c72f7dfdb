// Whether synthetic keys can reach the window in front. Keys sent into a program that runs as administrator,
// while Flickmark does not, are dropped by Windows without a word; this says so instead of sending them: one
// line in the log each time, and once per program in a session a notice from the tray icon.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/desktop.h"
#include "platform/process_integrity.h"
#include "platform/tray_notice.h"

#include <set>
#include <string>
#include <string_view>

namespace flickmark {

struct KeyTargetPorts {
    ProcessIntegrity& integrity;
    Desktop& desktop; // the name of the window's program
    TrayNotice& notice;
    DiagnosticLog& log;
};

class KeyTargetCheck {
public:
    // Every reference must outlive the check.
    explicit KeyTargetCheck(const KeyTargetPorts& ports) : ports_(ports) {}

    // Whether keys sent now would reach `window`. When they would not, the log line names `keys` (their
    // display text) and the program, and the notice is shown unless it was for that program already.
    bool keysReach(WindowId window, std::string_view keys);

private:
    KeyTargetPorts ports_;
    std::set<std::string> noticed_; // program names in lower case
};

} // namespace flickmark
