// The keystroke editor as a modal dialog, "Flickmark keystroke": the keystroke list opens it for Add and
// Edit. Each run starts from a cleared editor.
#pragma once

#include "actions/keystroke.h"
#include "editors/keystroke_edit.h"
#include "platform/nested_loop.h"

#include <windows.h>

#include <memory>
#include <optional>

namespace flickmark {

class KeystrokeControls;

class KeystrokeDialog {
public:
    explicit KeystrokeDialog(NestedLoops& nestedLoops);
    ~KeystrokeDialog();
    KeystrokeDialog(const KeystrokeDialog&) = delete;
    KeystrokeDialog& operator=(const KeystrokeDialog&) = delete;

    // Runs the dialog centred on `owner` (which it disables meanwhile), the focus in the key field. The
    // captured keystroke, its display text built afresh, when Set ended it; nothing for Cancel or when the
    // dialog could not be shown.
    std::optional<KeystrokeData> edit(HWND owner);

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void onInit(HWND hwnd);
    void updateSet();

    NestedLoops& nestedLoops_;
    KeystrokeEdit model_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<KeystrokeControls> controls_; // while the dialog runs
};

} // namespace flickmark
