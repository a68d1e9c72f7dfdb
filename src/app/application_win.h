// The application object: owns every process-wide object and every long-lived window, creates them in
// their fixed order at start-up and runs the one message loop.
#pragma once

#include "app/command_line.h"
#include "app/main_window_win.h"
#include "app/placeholder_window_win.h"
#include "library/logging_gesture_library.h"
#include "overlays/scratchpad_trail.h"
#include "platform/win32/keyboard_query.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "recognizer/diagnostic_log.h"
#include "recognizer/mouse_monitor_win.h"

#include <memory>

namespace flickmark {

class Application {
public:
    // Creates everything; throws std::system_error when a window cannot be created.
    explicit Application(CommandLineOptions options);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the message loop until the program ends; returns the exit code.
    int run();

    const CommandLineOptions& options() const { return options_; }

private:
    // The main window is closing or the session is ending.
    void onEnding();

    CommandLineOptions options_;

    // Process-wide objects, created before any window.
    Win32Clock clock_;
    KeyboardQuery keyboard_;
    Win32Desktop desktop_;
    DiagnosticLog log_;
    NoScratchpadTrail noScratchpad_;
    LoggingGestureLibrary library_;

    // Long-lived windows in their creation order; destroyed in the reverse order.
    std::unique_ptr<MainWindow> gestures_;
    std::unique_ptr<MouseMonitor> mouseMonitor_;
    std::unique_ptr<PlaceholderWindow> dummyUnicodeTooltip_;
    std::unique_ptr<PlaceholderWindow> sysTrayMenu_;
    std::unique_ptr<PlaceholderWindow> about_;
    std::unique_ptr<PlaceholderWindow> drawGesture_;
    std::unique_ptr<PlaceholderWindow> scratchPad_;
    std::unique_ptr<PlaceholderWindow> config_;
    std::unique_ptr<PlaceholderWindow> keystrokeEdit_;
    std::unique_ptr<PlaceholderWindow> gestureWizard_;
};

} // namespace flickmark
