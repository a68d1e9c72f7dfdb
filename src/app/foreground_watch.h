// Which program the user works in: the foreground window, read every half second, past the program's own
// windows and the shell's (the taskbar, the desktop, menus). It gives the tray menu the program its
// "Gestures off in ..." items are about, and keeps the scratchpad hidden while that program is one the
// user turned Flickmark off in ("disabled.ini").
#pragma once

#include "base/diagnostic_log.h"
#include "platform/desktop.h"
#include "platform/timer.h"
#include "settings/program_lists.h"

#include <functional>
#include <optional>
#include <string_view>

namespace flickmark {

class ForegroundWatch {
public:
    static constexpr int kIntervalMs = 500;
    // "disabled.ini" is looked at for edits made by hand every so many ticks (changes made through the
    // program apply at once).
    static constexpr int kListCheckTicks = 4;

    // `setQuiet` hides (true) or gives back (false) the scratchpad; it hears only changes. The references
    // must outlive the watch.
    ForegroundWatch(Desktop& desktop, ProgramLists& lists, Timer& timer, DiagnosticLog& log,
                    std::function<void(bool quiet)> setQuiet);

    // Reads the foreground window now and starts the timer.
    void start();
    void stop();
    void onTimer();

    // The program last in front; nothing before one was seen.
    const std::optional<ProgramWindow>& lastProgram() const { return lastProgram_; }
    bool listed(ProgramListKind kind, const ProgramWindow& program) const;
    // Puts the program on a list or takes it off (ProgramLists::setListed), then updates the scratchpad.
    void setListed(ProgramListKind kind, const ProgramWindow& program, bool listed);

private:
    void updateQuiet();

    Desktop& desktop_;
    ProgramLists& lists_;
    Timer& timer_;
    DiagnosticLog& log_;
    std::function<void(bool)> setQuiet_;
    WindowId lastWindow_ = 0;
    std::optional<ProgramWindow> lastProgram_;
    bool quiet_ = false;
    int ticksToListCheck_ = 0;
};

} // namespace flickmark
