#include "editors/keystroke_frame_win.h"

#include "editors/action_editor_ids.h"

namespace flickmark {

KeystrokeFrame::KeystrokeFrame(HWND parent, KeystrokeEdit& model, NestedLoops& nestedLoops)
    : model_(model), nestedLoops_(nestedLoops) {
    create(IDD_KEYSTROKE_FRAME, parent);
    controls_ = std::make_unique<KeystrokeControls>(hwnd(), model_, nestedLoops_, [] {});
    controls_->setButtonsReturnFocus(true);
    refresh();
}

KeystrokeFrame::~KeystrokeFrame() {
    controls_.reset(); // unhooks the key field before the dialog goes
}

void KeystrokeFrame::refresh() {
    controls_->refresh();
}

void KeystrokeFrame::focusKeyField() {
    controls_->focusKeyField();
}

std::optional<INT_PTR> KeystrokeFrame::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && controls_ && controls_->onCommand(LOWORD(wParam), HIWORD(wParam)))
        return TRUE;
    return std::nullopt;
}

} // namespace flickmark
