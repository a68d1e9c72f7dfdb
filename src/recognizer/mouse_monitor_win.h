// The recognizer window: a hidden top-level window that owns the recognizer, its two timers and its arrow
// popup, and shows the diagnostic log and the recognizer's live values when it is opened for diagnosis.
//
// Found by other processes (the end-to-end tests) as window class "FlickmarkMouseMonitor"; the log is the
// text of its EDIT control with id 1001.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/win32/ui_scheduler.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"
#include "recognizer/arrow_popup.h"
#include "recognizer/gesture_hand_over_queue.h"
#include "recognizer/recognizer.h"
#include "recognizer/scratchpad_trail.h"

#include <array>
#include <memory>

namespace flickmark {

inline constexpr wchar_t kMouseMonitorClassName[] = L"FlickmarkMouseMonitor";
inline constexpr wchar_t kMouseMonitorTitle[] = L"Flickmark Monitor";
inline constexpr int kMouseMonitorLogControlId = 1001;
// A hidden text, "x,y": the cursor as the last tick of a press read it, so that another program (the
// end-to-end tests) can tell which point the recognizer has seen.
inline constexpr int kMouseMonitorSampledCursorId = 1002;

class MouseMonitor final : private win32::WindowBase, private DiagnosticLogListener {
public:
    struct Dependencies {
        Input& input;
        Desktop& desktop;
        ArrowPopup& arrows;
        ScratchpadTrail& scratchpad;
        GestureHandOverQueue& handOver; // what the recognizer finishes waits here for the main loop
        DiagnosticLog& log;
        PressGate& pressGate;
        win32::UiScheduler& scheduler; // the recognizer's timers
    };

    // Creates the hidden window and the recognizer, whose sampling timer runs from now on; ticks begin once
    // the message loop runs.
    // Throws win32::Win32Error when the window cannot be created.
    explicit MouseMonitor(Dependencies dependencies);
    ~MouseMonitor() override;

    Recognizer& recognizer() { return *recognizer_; }
    // Opens the window for diagnosis (it is hidden again when the user closes it).
    void show();
    // Stops both timers and hides the arrow popup (the program is ending).
    void stop();

private:
    enum Value {
        XAvg,
        YAvg,
        Up,
        Down,
        Left,
        Right,
        StartX,
        StartY,
        MouseX,
        MouseY,
        Angle,
        DirectionName,
        kValueCount
    };

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    void applyFont();
    void layout();
    void refreshLiveValues(bool all);
    void refreshSampledCursor();
    void updateLogText();

    // DiagnosticLogListener
    void lineStarted(std::string_view message) override;
    void lineRepeated(int repeats) override;
    void cleared() override;
    void scheduleLogUpdate();

    Dependencies deps_;
    HWND logEdit_ = nullptr;
    HWND sampledCursorText_ = nullptr;
    Point shownSampledCursor_;
    std::array<HWND, kValueCount> labels_{};
    std::array<HWND, kValueCount> values_{};
    win32::UniqueFont font_;
    bool visible_ = false;
    bool logUpdatePending_ = false;
    RecognizerLiveValues shownValues_;

    std::unique_ptr<Timer> mouseTimer_;
    std::unique_ptr<Timer> pauseTimer_;
    std::unique_ptr<Timer> releaseCheckTimer_;
    std::unique_ptr<Recognizer> recognizer_;
};

} // namespace flickmark
