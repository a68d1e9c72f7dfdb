// The keystroke editor as a frame: a child dialog that the gesture wizard places on its keystroke page.
// It is created hidden at the parent's top-left corner; the parent moves and shows it.
#pragma once

#include "editors/keystroke_controls_win.h"
#include "editors/keystroke_edit.h"
#include "platform/nested_loop.h"
#include "platform/win32/dialog_base.h"

#include <memory>

namespace flickmark {

class KeystrokeFrame final : public win32::DialogBase {
public:
    KeystrokeFrame(HWND parent, KeystrokeEdit& model, NestedLoops& nestedLoops);
    ~KeystrokeFrame() override;

    using DialogBase::hwnd;
    // Model -> controls, after the owner changed the model (cleared or loaded it).
    void refresh();
    void focusKeyField();

protected:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    KeystrokeEdit& model_;
    NestedLoops& nestedLoops_;
    std::unique_ptr<KeystrokeControls> controls_;
};

} // namespace flickmark
