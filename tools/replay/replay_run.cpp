#include "replay_run.h"

#include "app/settings_targets.h"
#include "fakes/dispatch_rig.h"
#include "fakes/trace_runner.h"
#include "replay_output.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <variant>

namespace flickmark {
namespace {

constexpr const char* kReplayDataFolder = "C:\\replay data\\";

// Receives what the recognizer hands over: prints it and, with gesture files, looks it up through the
// real dispatcher and prints its outcome ("run keystrokes ...", "run program ...", "nomatch").
class ReplayLibrary final : public GestureOutlet, private DispatchListener {
public:
    ReplayLibrary(ReplayOutput& output, DispatchRig* rig) : output_(output), rig_(rig) {
        if (rig_)
            rig_->dispatcher.setListener(this);
    }
    ~ReplayLibrary() override {
        if (rig_)
            rig_->dispatcher.setListener(nullptr);
    }
    ReplayLibrary(const ReplayLibrary&) = delete;
    ReplayLibrary& operator=(const ReplayLibrary&) = delete;

    void gestureFinished(const FinishedGesture& gesture) override {
        dispatch(gesture.codes, [&] { rig_->dispatcher.lookup(gesture); });
    }
    // The help menu needs a user; the replay only reports that it would open.
    void showHelp(Direction firstCode, WindowId) override {
        output_.event("help " + std::to_string(toIndex(firstCode)));
    }

private:
    template <typename Lookup> void dispatch(const std::string& gesture, Lookup lookup) {
        output_.event("gesture " + gesture + " " + gestureDisplayName(gesture));
        if (!rig_)
            return;
        outcome_.clear();
        ranProgram_ = false;
        const std::size_t processCalls = rig_->launcher.processCalls.size();
        const std::size_t shellCalls = rig_->launcher.shellCalls.size();
        lookup();
        if (ranProgram_) {
            if (rig_->launcher.processCalls.size() > processCalls)
                outcome_ = "run program " + rig_->launcher.processCalls.back().commandLine;
            else if (rig_->launcher.shellCalls.size() > shellCalls)
                outcome_ = "run program " + rig_->launcher.shellCalls.back().file;
            else
                outcome_ = "run program " + programAction_;
        }
        if (!outcome_.empty())
            output_.event(outcome_);
    }

    void ranKeystrokes(const std::string&, const std::string& displayText) override {
        outcome_ = "run keystrokes " + displayText;
    }
    void ranProgram(const std::string&, const std::string& actionText) override {
        ranProgram_ = true;
        programAction_ = actionText;
    }
    void ranWindowCommand(const std::string&, const std::string& command) override {
        outcome_ = "run window command " + command;
    }
    void noMatch(const std::string&) override { outcome_ = "nomatch"; }
    void suggested(const std::string&, const std::vector<std::string>&) override { outcome_ = "nomatch"; }

    ReplayOutput& output_;
    DispatchRig* rig_;
    std::string outcome_;
    bool ranProgram_ = false;
    std::string programAction_;
};

bool hasMouseEvents(const Trace& trace) {
    return std::any_of(trace.steps.begin(), trace.steps.end(),
                       [](const TraceStep& step) { return std::holds_alternative<MouseEvent>(step); });
}

// The 10 ms release checks the program runs while a gesture is in progress, at each deadline up to `timeMs`,
// reading the button the last tick or event left; each wakes the message loop.
void runReleaseChecks(TraceRunner& runner, std::int64_t timeMs) {
    while (runner.releaseCheckTimer.enabled() && runner.releaseCheckTimer.deadline() <= timeMs) {
        const std::int64_t due = runner.releaseCheckTimer.deadline();
        runner.releaseCheckTimer.markFired();
        runner.wake(due, runner.input.cursor);
        runner.releaseCheck(due, runner.input.buttonDown);
    }
}

} // namespace

void replayTrace(const Trace& trace, const ReplayOptions& options, std::ostream& out) {
    TraceRunner runner;
    if (!trace.monitors.empty())
        runner.desktop.monitorList = trace.monitors;
    ReplayOutput output(out, runner.clock, options.log);
    runner.log.setListener(&output);

    std::unique_ptr<DispatchRig> rig;
    if (options.dataFiles) {
        rig = std::make_unique<DispatchRig>(kReplayDataFolder, &runner.log);
        for (const auto& [name, text] : *options.dataFiles)
            rig->addFile(name, text);
        rig->store.loadShownSet("Gestures.ini");
        rig->setForeground(runner.desktop.foreground.exeName);
        runner.log.clear(); // what loading the files logged is not part of the trace
    }
    ReplayLibrary library(output, rig.get());
    runner.useLibrary(library);

    const bool releaseChecks = hasMouseEvents(trace);
    for (const TraceStep& step : trace.steps) {
        std::visit(
            [&](const auto& s) {
                using T = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<T, TraceTick>) {
                    if (releaseChecks)
                        runReleaseChecks(runner, s.timeMs);
                    if (rig)
                        rig->input.cursor = s.cursor;
                    // Events wait for the loop's next wake-up while no press is read from them.
                    runner.wake(s.timeMs, s.cursor);
                    runner.tick(s.timeMs, s.buttonDown, s.cursor);
                } else if constexpr (std::is_same_v<T, MouseEvent>) {
                    runReleaseChecks(runner, s.timeMs);
                    if (rig)
                        rig->input.cursor = s.cursor;
                    runner.eventThatMayWait(s);
                } else if constexpr (std::is_same_v<T, SettingsSnapshot>) {
                    runner.recognizer.applySettings(recognizerSettingsFrom(s.recognition));
                    if (rig)
                        rig->dispatcher.setOptions(
                            {s.suggestionsEnabled, s.correctionsEnabled, s.recognition.enableDiagonals});
                } else {
                    runner.desktop.foreground = s;
                    if (rig)
                        rig->setForeground(s.exeName);
                }
            },
            step);
    }
    if (!runner.waitingEvents.empty())
        runner.wake(runner.clock.now(), runner.input.cursor); // as the next tick would
    output.finish();
    runner.log.setListener(nullptr);
}

} // namespace flickmark
