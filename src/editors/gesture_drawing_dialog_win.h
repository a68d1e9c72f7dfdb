// "Draw Gesture": a modal dialog with an area to draw a gesture in, with the right button held (or the
// left). Each drawing is read by the recognizer with the user's settings and shown with its path, corners
// and name; "Use Gesture" takes what the drawing gives. The live recognizer is paused while it runs, so a
// drawing there neither runs a gesture nor opens a menu.
#pragma once

#include "base/diagnostic_log.h"
#include "editors/gesture_drawing.h"
#include "platform/nested_loop.h"
#include "platform/win32/dialog_base.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class GestureDrawingDialog final : private win32::DialogBase {
public:
    GestureDrawingDialog(NestedLoops& nestedLoops, DiagnosticLog& log);

    // Runs the dialog over `owner`; the gesture's codes when "Use Gesture" ended it, nothing for Cancel or
    // when the dialog could not be shown.
    std::optional<std::string> draw(HWND owner, const RecognizerSettings& settings);

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    static LRESULT CALLBACK areaProc(HWND area, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    // The area's mouse messages; true when the message was the drawing's.
    bool onAreaMouse(UINT message, LPARAM lParam);
    void addPoint(LPARAM lParam);
    void finishDrawing();
    void paintArea(HDC dc, const RECT& client) const;
    void refresh();

    NestedLoops& nestedLoops_;
    DiagnosticLog& log_;
    std::optional<GestureDrawing> model_; // while the dialog runs
    HWND area_ = nullptr;
    UINT drawingButton_ = 0; // WM_LBUTTONUP or WM_RBUTTONUP while a press is drawn, else 0
    DWORD firstMessageTime_ = 0;
    std::vector<TimedPoint> press_;
};

} // namespace flickmark
