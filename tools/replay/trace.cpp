#include "trace.h"

#include <charconv>
#include <optional>

namespace flickmark {
namespace {

// Screen coordinates beyond this are not a screen.
constexpr long long kCoordinateLimit = 1'000'000'000;

struct SyntaxError {
    std::string message;
};

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

long long number(std::string_view field) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec == std::errc::result_out_of_range)
        throw SyntaxError{"number out of range: " + quoted(field)};
    if (ec != std::errc{} || end != field.data() + field.size())
        throw SyntaxError{"not a number: " + quoted(field)};
    return value;
}

int coordinate(std::string_view field) {
    const long long value = number(field);
    if (value < -kCoordinateLimit || value > kCoordinateLimit)
        throw SyntaxError{"coordinate out of range: " + quoted(field)};
    return static_cast<int>(value);
}

int extent(std::string_view field, std::string_view what) {
    const int value = coordinate(field);
    if (value <= 0)
        throw SyntaxError{std::string(what) + " must be positive: " + quoted(field)};
    return value;
}

void expectFieldCount(const std::vector<std::string_view>& fields, std::size_t count,
                      std::string_view usage) {
    if (fields.size() != count + 1)
        throw SyntaxError{quoted(fields[0]) + " takes " + std::to_string(count) + " fields (" +
                          std::string(usage) + "), got " + std::to_string(fields.size() - 1)};
}

Rect rectFrom(const std::vector<std::string_view>& fields, std::size_t first) {
    const int x = coordinate(fields[first]);
    const int y = coordinate(fields[first + 1]);
    const int w = extent(fields[first + 2], "width");
    const int h = extent(fields[first + 3], "height");
    return {x, y, x + w, y + h};
}

ShowState showStateFrom(std::string_view field) {
    if (field == "normal")
        return ShowState::Normal;
    if (field == "maximized")
        return ShowState::Maximized;
    if (field == "minimized")
        return ShowState::Minimized;
    throw SyntaxError{"bad show state " + quoted(field) + " (normal, maximized or minimized)"};
}

class TraceParser {
public:
    void parseLine(std::string_view line) {
        const auto fields = splitFields(line);
        if (fields.empty() || fields[0].front() == '#')
            return;
        const std::string_view directive = fields[0];
        if (directive == "tick")
            parseTick(fields);
        else if (directive == "down")
            parseButtonEvent(fields, MouseEvent::Kind::ButtonDown);
        else if (directive == "up")
            parseButtonEvent(fields, MouseEvent::Kind::ButtonUp);
        else if (directive == "move")
            parseMove(fields);
        else if (directive == "monitor")
            parseMonitor(fields);
        else if (directive == "set")
            parseSet(fields);
        else if (directive == "foreground")
            parseForeground(fields);
        else
            throw SyntaxError{"unknown directive " + quoted(directive)};
    }

    Trace take() { return std::move(trace_); }

private:
    void parseTick(const std::vector<std::string_view>& fields) {
        expectFieldCount(fields, 4, "T B X Y");
        TraceTick tick;
        tick.timeMs = number(fields[1]);
        if (lastTickTime_ && tick.timeMs <= *lastTickTime_)
            throw SyntaxError{"time " + std::to_string(tick.timeMs) + " is not after the previous tick's " +
                              std::to_string(*lastTickTime_)};
        expectNotBeforeLastLine(tick.timeMs);
        if (fields[2] != "0" && fields[2] != "1")
            throw SyntaxError{"button must be 0 or 1, got " + quoted(fields[2])};
        tick.buttonDown = fields[2] == "1";
        tick.cursor = {coordinate(fields[3]), coordinate(fields[4])};
        lastTickTime_ = tick.timeMs;
        lastLine_ = {tick.timeMs, "tick"};
        trace_.steps.emplace_back(tick);
    }

    void parseButtonEvent(const std::vector<std::string_view>& fields, MouseEvent::Kind kind) {
        expectFieldCount(fields, 3, "T X Y");
        addEvent({kind, number(fields[1]), {coordinate(fields[2]), coordinate(fields[3])}, {}});
    }

    void parseMove(const std::vector<std::string_view>& fields) {
        expectFieldCount(fields, 5, "T X Y DX DY");
        addEvent({MouseEvent::Kind::Move,
                  number(fields[1]),
                  {coordinate(fields[2]), coordinate(fields[3])},
                  {coordinate(fields[4]), coordinate(fields[5])}});
    }

    void addEvent(const MouseEvent& event) {
        expectNotBeforeLastLine(event.timeMs);
        lastLine_ = {event.timeMs, "event"};
        trace_.steps.emplace_back(event);
    }

    void expectNotBeforeLastLine(std::int64_t timeMs) const {
        if (lastLine_ && timeMs < lastLine_->timeMs)
            throw SyntaxError{"time " + std::to_string(timeMs) + " is before the previous " +
                              lastLine_->directive + "'s " + std::to_string(lastLine_->timeMs)};
    }

    void parseMonitor(const std::vector<std::string_view>& fields) {
        expectFieldCount(fields, 4, "X Y W H");
        trace_.monitors.push_back(rectFrom(fields, 1));
    }

    void parseSet(const std::vector<std::string_view>& fields) {
        expectFieldCount(fields, 2, "KEY VALUE");
        if (!findSetting(fields[1]))
            throw SyntaxError{"unknown setting " + quoted(fields[1])};
        if (!assignSetting(settings_, fields[1], fields[2]))
            throw SyntaxError{"bad value " + quoted(fields[2]) + " for " + std::string(fields[1])};
        trace_.steps.emplace_back(settings_);
    }

    void parseForeground(const std::vector<std::string_view>& fields) {
        expectFieldCount(fields, 6, "EXE X Y W H normal|maximized");
        FakeDesktop::Window window;
        window.exeName = std::string(fields[1]);
        window.rect = rectFrom(fields, 2);
        window.showState = showStateFrom(fields[6]);
        trace_.steps.emplace_back(std::move(window));
    }

    Trace trace_;
    SettingsSnapshot settings_;
    // The last tick or event: ticks run strictly forward, events never back.
    struct TimedLine {
        std::int64_t timeMs = 0;
        std::string directive;
    };
    std::optional<std::int64_t> lastTickTime_;
    std::optional<TimedLine> lastLine_;
};

} // namespace

std::variant<Trace, TraceError> parseTrace(std::string_view text) {
    TraceParser parser;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        try {
            parser.parseLine(line);
        } catch (const SyntaxError& error) {
            return TraceError{lineNumber, error.message};
        }
    }
    return parser.take();
}

} // namespace flickmark
