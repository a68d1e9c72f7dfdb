// What the tray icon, its menu and the scratchpad's buttons ask of the application, which answers from the
// parts it holds: they are all made before the message loop runs, and so before any of these is asked.
#pragma once

#include "platform/desktop.h"
#include "settings/program_lists.h"

#include <optional>

namespace flickmark {

class TrayActions {
public:
    virtual ~TrayActions() = default;
    // Each window opens on top, restored if minimized.
    virtual void showConfiguration() = 0;
    virtual void showGestures() = 0;
    virtual void showAbout() = 0;
    // "Exit Flickmark": closes what is open as its own close would, saves, and ends the program.
    virtual void exitProgram() = 0;
    // The Windows session ends: everything that must happen at exit happens before this returns, without
    // asking or telling the user anything.
    virtual void endSession() = 0;

    // The user's "Gestures on" switch (Scroll Lock aside).
    virtual bool gesturesOn() = 0;
    virtual void setGesturesOn(bool on) = 0;
    // The program last in front and the lists that name it, for the menu's per-program items.
    virtual std::optional<ProgramWindow> programInFront() = 0;
    virtual bool programListed(ProgramListKind list, const ProgramWindow& program) = 0;
    virtual void setProgramListed(ProgramListKind list, const ProgramWindow& program, bool listed) = 0;
    // One of the program's windows, brought in front while the tray menu is open, so that a click elsewhere
    // closes the menu.
    virtual WindowId menuWindow() = 0;
};

} // namespace flickmark
