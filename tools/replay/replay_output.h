// The replay's output: one line per event, "T gesture 03 UP+RIGHT" or "T help 0", and with the log switched
// on "T log MESSAGE" for each diagnostic log line. A log line carries the time it first appeared and its
// final repeat count ("(*N)"); it is printed once a different line starts, the log is cleared or the replay
// ends, and whatever came after it waits behind it, so that everything appears in the order it happened.
#pragma once

#include "base/diagnostic_log.h"
#include "fakes/virtual_clock.h"

#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <string_view>

namespace flickmark {

class ReplayOutput final : public DiagnosticLogListener {
public:
    ReplayOutput(std::ostream& out, const VirtualClock& clock, bool withLog);

    // An event at the current time, e.g. "gesture 03 UP+RIGHT".
    void event(std::string_view text);
    // Prints what is still held back; call once at the end of the replay.
    void finish();

    void lineStarted(std::string_view message) override;
    void lineRepeated(int repeats) override;
    void cleared() override;

private:
    struct Entry {
        std::int64_t timeMs;
        std::string text;
        int repeats = 0;
    };

    void closeOpenLine();
    void flush();

    std::ostream& out_;
    const VirtualClock& clock_;
    bool withLog_;
    // Held entries; while a log line is open it is the first of them.
    std::deque<Entry> held_;
    bool lineOpen_ = false;
};

} // namespace flickmark
