// Replay traces: the parser either names a line of the text with a message, or gives a trace whose ticks
// run forward in time and whose monitors and windows have a size; such a trace then replays through the
// recognizer with its log, and the replay prints its lines in time order.
//
// Input: the trace text.

#include "fuzz_check.h"
#include "replay_run.h"
#include "trace.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace flickmark {
namespace {

using fuzz::check;

constexpr int kCoordinateLimit = 1'000'000'000;

bool onScreen(Point p) {
    return p.x >= -kCoordinateLimit && p.x <= kCoordinateLimit && p.y >= -kCoordinateLimit &&
           p.y <= kCoordinateLimit;
}

bool hasSize(const Rect& r) {
    return r.right > r.left && r.bottom > r.top;
}

void checkTrace(const Trace& trace) {
    for (const Rect& monitor : trace.monitors)
        check(hasSize(monitor), "a monitor has a size");
    bool first = true;
    std::int64_t lastTime = 0;
    for (const TraceStep& step : trace.steps) {
        if (const auto* tick = std::get_if<TraceTick>(&step)) {
            check(first || tick->timeMs > lastTime, "ticks run forward in time");
            check(onScreen(tick->cursor), "a cursor is on a screen");
            first = false;
            lastTime = tick->timeMs;
        } else if (const auto* window = std::get_if<FakeDesktop::Window>(&step)) {
            check(window->rect && hasSize(*window->rect), "a foreground window has a size");
        }
    }
}

void checkReplayOrder(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    long long last = 0;
    bool first = true;
    while (std::getline(lines, line)) {
        long long time = 0;
        const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), time);
        check(ec == std::errc{} && end != line.data() + line.size() && *end == ' ',
              "a replay line starts with its time", line);
        check(first || time >= last, "replay lines are in time order", line);
        first = false;
        last = time;
    }
}

} // namespace
} // namespace flickmark

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flickmark;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = parseTrace(text);
    if (const auto* error = std::get_if<TraceError>(&parsed)) {
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
        check(error->line >= 1 && error->line <= lines, "an error names a line of the text",
              std::to_string(lines), std::to_string(error->line));
        check(!error->message.empty(), "an error has a message");
        return 0;
    }
    const Trace& trace = std::get<Trace>(parsed);
    checkTrace(trace);
    std::ostringstream out;
    replayTrace(trace, ReplayOptions{true, std::nullopt}, out);
    checkReplayOrder(out.str());
    return 0;
}
