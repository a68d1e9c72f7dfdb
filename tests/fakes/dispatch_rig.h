// The gesture dispatcher wired to fakes: a desktop of windows, a recording keyboard, a recording launcher,
// an in-memory data folder and virtual time. Shared by unit tests and the replay tool.
#pragma once

#include "actions/foreground_handoff.h"
#include "actions/key_target_check.h"
#include "actions/keystroke_sender.h"
#include "actions/launch.h"
#include "base/diagnostic_log.h"
#include "fakes/fake_clipboard.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_input.h"
#include "fakes/fake_key_target.h"
#include "fakes/fake_launcher.h"
#include "fakes/fake_timer.h"
#include "fakes/fake_window_control.h"
#include "fakes/fake_window_stack.h"
#include "fakes/recording_keyboard.h"
#include "fakes/virtual_clock.h"
#include "fakes/windows_1252_code_page.h"
#include "gesture_sets/gesture_library_store.h"
#include "library/gesture_dispatcher.h"
#include "library/scratchpad_visibility.h"
#include "library/text_popup.h"
#include "platform/menus.h"
#include "platform/wall_clock.h"

#include <string>
#include <vector>

namespace flickmark {

// One gesture's section of a gesture file.
inline std::string gestureSection(const std::string& gesture, const std::string& type,
                                  const std::string& action) {
    return "[" + gesture + "]\r\nActionType=" + type + "\r\nAction=" + action + "\r\n";
}

class FakeTextPopup final : public TextPopup {
public:
    void showText(std::string_view text, Point at) override {
        if (showing_)
            return;
        showing_ = true;
        shown.push_back({std::string(text), at});
    }
    void hide() override { showing_ = false; }
    bool isShowing() const override { return showing_; }

    struct Shown {
        std::string text;
        Point at;
    };
    std::vector<Shown> shown;

private:
    bool showing_ = false;
};

class CountingMenuDismisser final : public ContextMenuDismisser {
public:
    void dismissContextMenu() override { ++dismissals; }
    int dismissals = 0;
};

class FakeScratchpadVisibility final : public ScratchpadVisibility {
public:
    bool visible() const override { return shown; }
    void setVisible(bool visible) override { shown = visible; }
    bool shown = false;
};

class FixedWallClockFake final : public WallClock {
public:
    LocalDateTime localNow() override { return now; }
    LocalDateTime now{2026, 12, 8, 10, 30, 5};
};

// Hands finished gestures to a dispatcher and shows no menu: suggestions and help are only logged by it.
class MenulessOutlet final : public GestureOutlet {
public:
    explicit MenulessOutlet(GestureDispatcher& dispatcher) : dispatcher_(dispatcher) {}
    void gestureFinished(const FinishedGesture& gesture) override { dispatcher_.lookup(gesture); }
    void showHelp(Direction, WindowId pressWindow) override { dispatcher_.prepareHelp(pressWindow); }

private:
    GestureDispatcher& dispatcher_;
};

struct DispatchRig {
    // With `sharedLog`, the dispatcher writes into that log (as the program's one diagnostic log) instead of
    // the rig's own.
    explicit DispatchRig(std::string folder = "C:\\data\\", DiagnosticLog* sharedLog = nullptr);

    // Puts a gesture file into the data folder.
    void addFile(const std::string& name, const std::string& text) { files.files[dataFolder + name] = text; }
    // Makes a window of `exeName` the foreground window (topmost).
    void setForeground(const std::string& exeName);

    std::string dataFolder;
    DiagnosticLog ownLog;
    DiagnosticLog& log;
    VirtualClock clock;
    FakeWindowStack windows;
    FakeInput input;
    FakeTimer closePopupTimer{clock};
    FakeTextPopup popup;
    CountingMenuDismisser menus;
    FakeScratchpadVisibility scratchpad;
    RecordingKeyboard keyboard{clock};
    FakeClipboard clipboard;
    FixedWallClockFake wallClock;
    FakeFileSystem files;
    Windows1252CodePage codePage;
    FakeLauncher launcher;
    ForegroundHandoff foreground{windows, windows};
    ProgramLauncher programs{launcher, log};
    KeystrokeSender keystrokes{KeystrokeSenderPorts{keyboard, clock, clipboard, wallClock, files}, programs,
                               log, dataFolder};
    GestureLibraryStore store{files, codePage, log, dataFolder};
    FakeProcessIntegrity integrity;
    RecordingTrayNotice notices;
    KeyTargetCheck keyTargets{KeyTargetPorts{integrity, windows, notices, log}};
    FakeWindowControl windowControl;
    WindowCommandRunner windowCommands{
        WindowCommandPorts{windows, windowControl, keystrokes, keyTargets, log}};
    GestureDispatcher dispatcher{DispatcherPorts{windows, input, clock, closePopupTimer, popup, menus,
                                                 scratchpad, foreground, keystrokes, programs, store, log,
                                                 keyTargets, windowCommands}};
    MenulessOutlet outlet{dispatcher};
};

} // namespace flickmark
