// The application: five modules built in order, each on those before it, and the one message loop.
//
//   platform   the log, COM, the system's adapters, nested loops, the scheduler, message boxes, the version
//   files      the gesture sets, the settings, the program lists, the sign-in choice
//   shell      the tray icon and menu, About, the configuration window, the scratchpad
//   runtime    recognizer, press rules, hand-over, lookup and actions, menus, the gestures-on switch
//   editing    the gestures window, the wizard, the keystroke dialog
//
// The tray menu and the scratchpad ask the application for what lies in later modules (TrayActions); every
// module exists before the message loop runs, and so before anything is asked. The modules go in the
// reverse order.
#pragma once

#include "app/editing_module_win.h"
#include "app/gesture_runtime_win.h"
#include "app/platform_module_win.h"
#include "app/shell_module_win.h"
#include "app/stored_files.h"
#include "app/tray_actions.h"
#include "library/gesture_creation.h"

#include <string>

namespace flickmark {

class Application final : private TrayActions, private GestureCreation {
public:
    // The data folder's path is absolute and ends in a path delimiter. `signInCommand` starts this copy the
    // same way when the user signs in ("Start with Windows"). Throws win32::Win32Error when a window cannot
    // be created.
    Application(std::string dataFolder, std::string signInCommand);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the message loop until the program ends; returns the exit code.
    int run();

private:
    // TrayActions
    void showConfiguration() override;
    void showGestures() override;
    void showAbout() override;
    void exitProgram() override;
    void endSession() override;
    bool gesturesOn() override;
    void setGesturesOn(bool on) override;
    std::optional<ProgramWindow> programInFront() override;
    bool programListed(ProgramListKind list, const ProgramWindow& program) override;
    void setProgramListed(ProgramListKind list, const ProgramWindow& program, bool listed) override;
    WindowId menuWindow() override;

    // GestureCreation: posted, so that the wizard opens after the suggestions menu's loop has ended.
    void createGesture(const std::string& gesture, const std::string& program) override;

    // Everything that must happen before the process ends, once: sampling stops, open menus close, each
    // window closes as its own close would (the gestures window saves its shown set, the configuration
    // window the settings), the data files are written and the icon goes. Shows nothing to the user.
    void finishBeforeExit();

    PlatformModule platform_;
    StoredFiles files_;
    ShellModule shell_;
    GestureRuntime runtime_;
    EditingModule editing_;
    bool exiting_ = false;
};

} // namespace flickmark
