// The keystroke editor as a modal dialog, "Flickmark keystroke": the keystroke list opens it for Add and
// Edit. Each run starts from a cleared editor.
#pragma once

#include "actions/keystroke.h"
#include "editors/keystroke_edit.h"
#include "platform/nested_loop.h"
#include "platform/win32/dialog_base.h"

#include <windows.h>

#include <memory>
#include <optional>

namespace flickmark {

class KeystrokeControls;

class KeystrokeDialog final : private win32::DialogBase {
public:
    explicit KeystrokeDialog(NestedLoops& nestedLoops);
    ~KeystrokeDialog() override;

    // Runs the dialog centred on `owner` (which it disables meanwhile), the focus in the key field. The
    // captured keystroke, its display text built afresh, when Set ended it; nothing for Cancel or when the
    // dialog could not be shown.
    std::optional<KeystrokeData> edit(HWND owner);

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onInit();
    void updateSet();

    NestedLoops& nestedLoops_;
    KeystrokeEdit model_;
    std::unique_ptr<KeystrokeControls> controls_; // while the dialog runs
};

} // namespace flickmark
