// The recognizer's diagnostic window: hidden until it is opened for diagnosis (Shift+click on the gestures
// window's background), it shows the diagnostic log and the recognizer's live values. It also keeps, hidden,
// the point the recognizer's last tick of a press read, for the end-to-end tests.
//
// Found by other processes (the end-to-end tests) as window class "FlickmarkMouseMonitor"; the log is the
// text of its EDIT control with id 1001.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"
#include "recognizer/recognizer.h"

#include <array>
#include <memory>

namespace flickmark {

inline constexpr wchar_t kMouseMonitorClassName[] = L"FlickmarkMouseMonitor";
inline constexpr wchar_t kMouseMonitorTitle[] = L"Flickmark Monitor";
inline constexpr int kMouseMonitorLogControlId = 1001;
// A hidden text, "x,y": the cursor as the last tick of a press read it, so that another program (the
// end-to-end tests) can tell which point the recognizer has seen.
inline constexpr int kMouseMonitorSampledCursorId = 1002;

class DiagnosticWindow final : private win32::WindowBase, private DiagnosticLogListener {
public:
    // Creates the hidden window and follows the log. The references must outlive the window. Throws
    // win32::Win32Error when the window cannot be created.
    DiagnosticWindow(const Recognizer& recognizer, DiagnosticLog& log);
    ~DiagnosticWindow() override;

    // After each tick of the recognizer's sampling timer: the live values (while shown) and the sampled
    // point.
    void afterTick();
    // Opens the window for diagnosis (it is hidden again when the user closes it).
    void show();

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

    const Recognizer& recognizer_;
    DiagnosticLog& log_;
    HWND logEdit_ = nullptr;
    HWND sampledCursorText_ = nullptr;
    Point shownSampledCursor_;
    std::array<HWND, kValueCount> labels_{};
    std::array<HWND, kValueCount> values_{};
    win32::UniqueFont font_;
    bool visible_ = false;
    bool logUpdatePending_ = false;
    RecognizerLiveValues shownValues_;
};

} // namespace flickmark
