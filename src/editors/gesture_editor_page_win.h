// The gesture editor page: direction buttons that compose a gesture, Draw to draw it instead, and its
// read-only name. A child
// dialog that the wizard places on its gesture page; it binds to the wizard's GestureEdit.
#pragma once

#include "editors/gesture_edit.h"
#include "platform/win32/dialog_base.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace flickmark {

class GestureEditorPage final : private win32::DialogBase {
public:
    // Draw: runs the drawing area over the page's window and gives the gesture drawn, if any.
    using Drawing = std::function<std::optional<std::string>(HWND owner)>;

    // Creates the page hidden, as a child of `parent`. Throws win32::Win32Error when it cannot be created.
    GestureEditorPage(HWND parent, GestureEdit& model, Drawing drawing);
    ~GestureEditorPage() override = default;

    using win32::DialogBase::hwnd;
    // Shows the model's gesture and buttons.
    void refresh();
    // Puts the focus on the first direction button that takes clicks.
    void focusButtons();

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void drawButton(const DRAWITEMSTRUCT& item) const;

    void draw();

    GestureEdit& model_;
    Drawing drawing_;
};

} // namespace flickmark
