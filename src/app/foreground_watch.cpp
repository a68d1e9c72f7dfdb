#include "app/foreground_watch.h"

#include "app/program_press_gate.h"

#include <utility>

namespace flickmark {

ForegroundWatch::ForegroundWatch(Desktop& desktop, ProgramLists& lists, Timer& timer, DiagnosticLog& log,
                                 std::function<void(bool quiet)> setQuiet)
    : desktop_(desktop), lists_(lists), timer_(timer), log_(log), setQuiet_(std::move(setQuiet)) {
    timer_.setEnabled(false);
    timer_.setInterval(kIntervalMs);
}

void ForegroundWatch::start() {
    onTimer();
    timer_.setEnabled(true);
}

void ForegroundWatch::stop() {
    timer_.setEnabled(false);
}

void ForegroundWatch::onTimer() {
    const WindowId window = desktop_.foregroundWindow();
    if (window != lastWindow_) {
        lastWindow_ = window;
        if (window != 0 && !desktop_.isOwnWindow(window)) {
            ProgramWindow program = programWindowOf(desktop_, window);
            if (!program.exeName.empty() && !isShellWindowClass(program.windowClass))
                lastProgram_ = std::move(program);
        }
    }
    if (ticksToListCheck_-- <= 0) {
        ticksToListCheck_ = kListCheckTicks - 1;
        lists_.list(ProgramListKind::FlickmarkOff).refresh();
    }
    updateQuiet();
}

bool ForegroundWatch::listed(ProgramListKind kind, const ProgramWindow& program) const {
    return lists_.list(kind).match(program) != nullptr;
}

void ForegroundWatch::setListed(ProgramListKind kind, const ProgramWindow& program, bool listed) {
    lists_.setListed(kind, program, listed);
    updateQuiet();
}

void ForegroundWatch::updateQuiet() {
    const bool quiet = lastProgram_ && listed(ProgramListKind::FlickmarkOff, *lastProgram_);
    if (quiet == quiet_)
        return;
    quiet_ = quiet;
    log_.append(quiet ? "Flickmark is off in " + lastProgram_->exeName
                      : std::string("Flickmark is on again"));
    setQuiet_(quiet);
}

} // namespace flickmark
