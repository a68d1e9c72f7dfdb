// The fourth module: everything between a press of the right button and the action it ends in. The
// recognizer with its arrows and its diagnostic window, the hand-over of finished gestures to the main
// loop, the press rules, the lookup and its actions, the help and suggestions menus with their popups, the
// gestures-on switch (Scroll Lock and the tray's item), and the look at the program in front. It takes the
// settings file's values when it is made and whenever the configuration window saves them.
#pragma once

#include "actions/context_menu_closer_win.h"
#include "actions/foreground_handoff.h"
#include "actions/key_target_check.h"
#include "actions/keystroke_sender.h"
#include "actions/launch.h"
#include "actions/window_command_runner.h"
#include "app/foreground_watch.h"
#include "app/monitoring_switch.h"
#include "app/platform_module_win.h"
#include "app/popup_ports_win.h"
#include "app/program_press_gate.h"
#include "app/scratchpad_ports.h"
#include "app/settings_targets.h"
#include "app/shell_module_win.h"
#include "app/stored_files.h"
#include "library/gesture_creation.h"
#include "library/gesture_dispatcher.h"
#include "library/gesture_handling.h"
#include "library/gesture_menus.h"
#include "platform/timer.h"
#include "platform/win32/popup_menu.h"
#include "popup/popup_window_win.h"
#include "recognizer/diagnostic_window_win.h"
#include "recognizer/gesture_hand_over_queue.h"
#include "recognizer/recognizer_host.h"

#include <memory>

namespace flickmark {

class GestureRuntime {
public:
    // Makes every part, starts the switch, pushes the settings file's values and starts watching the
    // program in front. Throws win32::Win32Error when a window cannot be created. The references must
    // outlive the module.
    // `creation` is the application's, which reaches the editing module made after this one.
    GestureRuntime(PlatformModule& platform, StoredFiles& files, ShellModule& shell,
                   GestureCreation& creation);
    ~GestureRuntime();
    GestureRuntime(const GestureRuntime&) = delete;
    GestureRuntime& operator=(const GestureRuntime&) = delete;

    Recognizer& recognizer() { return recognizerHost_.recognizer(); }
    // Opens the recognizer's window for diagnosis.
    void showDiagnostics() { diagnostics_.show(); }
    MonitoringSwitch& gesturesSwitch() { return switch_; }
    ForegroundWatch& programInFront() { return foregroundWatch_; }

    // The program is ending: sampling and the watches stop (an open menu's wait ends with them).
    void stop();
    // At exit, after the windows closed: the keystroke sender's list file is written where it must be.
    void saveAtExit() { keystrokes_.saveListFile(); }

private:
    PlatformModule& platform_;
    StoredFiles& files_;

    // The recognizer, its arrows and the press rules; what it finishes waits in the hand-over queue until
    // the main loop delivers it to the handling at the end of this module (bound now, used from the loop).
    PopupWindow arrowsWindow_;
    ArrowPopupWindow arrows_{arrowsWindow_};
    ProgramPressGate pressGate_;
    ScratchpadTrailPort scratchpadTrail_;
    GestureHandOverQueue handOver_;
    RecognizerHost recognizerHost_;
    DiagnosticWindow diagnostics_;

    // The actions.
    ProgramLauncher launcher_;
    KeystrokeSender keystrokes_;
    ForegroundHandoff foreground_;
    KeyTargetCheck keyTargets_;
    WindowCommandRunner windowCommands_;
    ContextMenuCloser contextMenuCloser_;

    // The lookup, with the gesture-name popup and its close timer.
    PopupWindow namePopupWindow_;
    TextPopupWindow namePopup_{namePopupWindow_};
    std::unique_ptr<Timer> closePopupTimer_;
    ScratchpadVisibilityPort scratchpadVisibility_;
    GestureDispatcher dispatcher_;

    // The help and suggestions menus, with the preview of the highlighted entry.
    Win32PopupMenu menu_;
    std::unique_ptr<Timer> helpConfigTimer_;
    PopupWindow menuPreviewWindow_;
    MenuPreviewWindow menuPreview_{menuPreviewWindow_};
    GestureMenus menus_;
    GestureHandling handling_;

    // Gestures on or off, and the program in front.
    std::unique_ptr<Timer> switchTimer_;
    MonitoringSwitch switch_;
    std::unique_ptr<Timer> foregroundTimer_;
    ForegroundWatch foregroundWatch_;

    // Where the settings file's values go.
    RecognizerSettingsTarget recognizerSettings_;
    ScratchpadSettingsTarget scratchpadSettings_;
    LookupSettingsTarget lookupSettings_;
};

} // namespace flickmark
