#include "replay_run.h"

#include "fakes/trace_runner.h"
#include "recognizer/direction.h"
#include "replay_output.h"

#include <string>
#include <type_traits>

namespace flickmark {
namespace {

// What a replay reports of a library call: the finished gesture, or the help request of the pause trigger.
std::string describe(const LibraryCall& call) {
    if (call.kind == LibraryCall::Kind::ShowHelp)
        return "help " + std::to_string(call.firstCode);
    return "gesture " + call.gesture + " " + gestureDisplayName(call.gesture);
}

} // namespace

void replayTrace(const Trace& trace, const ReplayOptions& options, std::ostream& out) {
    TraceRunner runner;
    if (!trace.monitors.empty())
        runner.desktop.monitorList = trace.monitors;
    ReplayOutput output(out, runner.clock, options.log);
    runner.log.setListener(&output);
    runner.library.onCall = [&output](const LibraryCall& call) { output.event(describe(call)); };

    for (const TraceStep& step : trace.steps) {
        std::visit(
            [&runner](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, TraceTick>)
                    runner.tick(s.timeMs, s.buttonDown, s.cursor);
                else if constexpr (std::is_same_v<T, RecognizerSettings>)
                    runner.recognizer.applySettings(s);
                else
                    runner.desktop.foreground = s;
            },
            step);
    }
    output.finish();
    runner.log.setListener(nullptr);
}

} // namespace flickmark
