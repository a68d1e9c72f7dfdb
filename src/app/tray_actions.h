// What the tray icon and its menu ask of the application.
#pragma once

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
};

} // namespace flickmark
