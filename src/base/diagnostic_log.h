// The recognizer's diagnostic log: lines of text where a message that repeats the previous one
// is only counted, and the count is written as "(*N)" behind the line once a different message follows.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

class DiagnosticLogListener {
public:
    virtual ~DiagnosticLogListener() = default;
    // A new line was started with this message.
    virtual void lineStarted(std::string_view message) = 0;
    // The last line's message was repeated; repeats counts the repetitions so far (1, 2, ...).
    virtual void lineRepeated(int repeats) = 0;
    virtual void cleared() = 0;
};

class DiagnosticLog {
public:
    void append(std::string_view message);
    // Empties the log and forgets the last message, so the next one starts a new line.
    void clear();

    // Finished lines, the last one with its repeat count once it is closed.
    const std::vector<std::string>& lines() const { return lines_; }
    // The text as a multi-line edit control shows it: CR LF between lines, the open count appended.
    std::string text() const;
    int openRepeats() const { return repeats_; }

    void setListener(DiagnosticLogListener* listener) { listener_ = listener; }

private:
    std::vector<std::string> lines_;
    std::string lastMessage_;
    bool hasLast_ = false;
    int repeats_ = 0;
    DiagnosticLogListener* listener_ = nullptr;
};

// Formats the repeat suffix: "(*3)".
std::string repeatSuffix(int repeats);

} // namespace flickmark
