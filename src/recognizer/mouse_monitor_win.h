// The recognizer window: a hidden top-level window that owns the recognizer, its two timers and its arrow
// popup, and shows the diagnostic log and the recognizer's live values when it is opened for diagnosis.
//
// It is also the window that closes the target program's context menu before an action runs.
//
// Found by other processes (the end-to-end tests) as window class "FlickmarkMouseMonitor"; the log is the
// text of its EDIT control with id 1001.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/coalescing_timer.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/menus.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"
#include "platform/win32/window_timer.h"
#include "recognizer/arrow_popup.h"
#include "recognizer/context_menu_closer_win.h"
#include "recognizer/gesture_outlet.h"
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

class MouseMonitor final : public ContextMenuDismisser,
                           private win32::WindowBase,
                           private DiagnosticLogListener {
public:
    struct Dependencies {
        Input& input;
        Desktop& desktop;
        ArrowPopup& arrows;
        ScratchpadTrail& scratchpad;
        GestureOutlet& library;
        DiagnosticLog& log;
        PressGate& pressGate;
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

    // ContextMenuDismisser: returns once the foreground program's menu is closed.
    void dismissContextMenu() override;

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

    // Each system timer outlives the timer built on it.
    std::unique_ptr<win32::WindowTimer> mouseSystemTimer_;
    std::unique_ptr<win32::WindowTimer> pauseSystemTimer_;
    std::unique_ptr<win32::WindowTimer> releaseCheckSystemTimer_;
    std::unique_ptr<CoalescingTimer> mouseTimer_;
    std::unique_ptr<CoalescingTimer> pauseTimer_;
    std::unique_ptr<CoalescingTimer> releaseCheckTimer_;
    std::unique_ptr<Recognizer> recognizer_;
    std::unique_ptr<ContextMenuCloser> menuCloser_;
};

} // namespace flickmark
