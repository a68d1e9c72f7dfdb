// Running a window or media command. A window command acts on the window the gesture was drawn on: the
// top-level window under the cursor when the button went down (its root owner), or, when that window has
// gone since, the one in front. The desktop, the taskbar and Flickmark's own windows are never acted on.
// Media and desktop commands press the system's keys, which need no focus.
#pragma once

#include "actions/key_target_check.h"
#include "actions/keystroke_sender.h"
#include "actions/window_command.h"
#include "base/diagnostic_log.h"
#include "platform/desktop.h"
#include "platform/window_control.h"

#include <string>
#include <string_view>

namespace flickmark {

struct WindowCommandPorts {
    Desktop& desktop; // the window in front, the names of windows and programs
    WindowControl& windows;
    KeystrokeSender& keystrokes;
    KeyTargetCheck& targets; // neither keys nor commands go to a program that runs as administrator
    DiagnosticLog& log;
};

class WindowCommandRunner {
public:
    // Every reference must outlive the runner.
    explicit WindowCommandRunner(const WindowCommandPorts& ports) : ports_(ports) {}

    // Runs the command stored under `storedName` (any case). `pressWindow` is the top-level window that
    // was under the cursor when the button went down, 0 for none. A name this version does not know is
    // logged and nothing is done. Returns whether the command acted (its keys were sent, or its window was
    // given the command); false after the log line that says why not.
    bool run(std::string_view storedName, WindowId pressWindow);

    // The window a window command acts on; 0, after one log line naming `command`, when there is none it
    // may act on.
    WindowId target(WindowId pressWindow, std::string_view command);

private:
    void actOnWindow(WindowCommand command, WindowId window);
    void toggleMaximized(WindowId window, const WindowFrame& frame, const std::string& program);
    void toggleTopmost(WindowId window, const WindowFrame& frame, const std::string& program);
    void moveToMonitor(WindowId window, const WindowFrame& frame, int step, const std::string& program);
    bool pressKeys(WindowCommand command);
    std::string programOf(WindowId window);

    WindowCommandPorts ports_;
};

} // namespace flickmark
