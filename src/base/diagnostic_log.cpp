#include "base/diagnostic_log.h"

namespace flickmark {

std::string repeatSuffix(int repeats) {
    return "(*" + std::to_string(repeats) + ")";
}

void DiagnosticLog::append(std::string_view message) {
    if (hasLast_ && message == lastMessage_) {
        ++repeats_;
        if (listener_)
            listener_->lineRepeated(repeats_);
        return;
    }
    if (hasLast_ && repeats_ > 0 && !lines_.empty())
        lines_.back() += repeatSuffix(repeats_);
    lines_.emplace_back(message);
    lastMessage_.assign(message);
    hasLast_ = true;
    repeats_ = 0;
    if (listener_)
        listener_->lineStarted(message);
}

void DiagnosticLog::clear() {
    lines_.clear();
    lastMessage_.clear();
    hasLast_ = false;
    repeats_ = 0;
    if (listener_)
        listener_->cleared();
}

std::string DiagnosticLog::text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += lines_[i];
    }
    if (repeats_ > 0)
        out += repeatSuffix(repeats_);
    return out;
}

} // namespace flickmark
