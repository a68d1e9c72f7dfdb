// Whether synthetic keys can reach the window in front, and window commands their window. Keys sent into a
// program that runs as administrator, while Flickmark does not, are dropped by Windows without a word, and
// its windows refuse Flickmark's commands; this says so instead of trying: one line in the log each time,
// and once per program in a session a notice from the tray icon (one for keys, one for commands), counted
// once it was shown.
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
    // Whether a window command may act on `window`; as keysReach, for the command named `command`.
    bool commandsReach(WindowId window, std::string_view command);

private:
    struct Refusal;
    bool reaches(WindowId window, const Refusal& refusal, std::set<std::string>& noticed);

    KeyTargetPorts ports_;
    std::set<std::string> keysNoticed_;     // program names in lower case
    std::set<std::string> commandsNoticed_; // program names in lower case
};

} // namespace flickmark
