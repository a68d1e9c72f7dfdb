#include "replay_output.h"

namespace flickmark {

ReplayOutput::ReplayOutput(std::ostream& out, const VirtualClock& clock, bool withLog)
    : out_(out), clock_(clock), withLog_(withLog) {}

void ReplayOutput::event(std::string_view text) {
    held_.push_back({clock_.now(), std::string(text)});
    flush();
}

void ReplayOutput::finish() {
    closeOpenLine();
    flush();
}

void ReplayOutput::lineStarted(std::string_view message) {
    if (!withLog_)
        return;
    closeOpenLine();
    flush();
    held_.push_back({clock_.now(), "log " + std::string(message)});
    lineOpen_ = true;
}

void ReplayOutput::lineRepeated(int repeats) {
    if (withLog_ && lineOpen_)
        held_.front().repeats = repeats;
}

void ReplayOutput::cleared() {
    if (!withLog_)
        return;
    closeOpenLine();
    flush();
}

void ReplayOutput::closeOpenLine() {
    lineOpen_ = false;
}

void ReplayOutput::flush() {
    while (!held_.empty() && !lineOpen_) {
        const Entry& entry = held_.front();
        out_ << entry.timeMs << ' ' << entry.text;
        if (entry.repeats > 0)
            out_ << repeatSuffix(entry.repeats);
        out_ << '\n';
        held_.pop_front();
    }
}

} // namespace flickmark
