// The keystroke list editor as a frame: a child dialog that the gesture wizard places on its "Multiple
// Keystrokes" page. Add and Edit capture a keystroke with the keystroke dialog; the list's context menu
// edits or deletes the selected entry. Created hidden at the parent's top-left corner.
#pragma once

#include "editors/keystroke_dialog_win.h"
#include "editors/keystroke_list_edit.h"
#include "platform/nested_loop.h"
#include "platform/win32/controls/list_view.h"
#include "platform/win32/dialog_base.h"

namespace flickmark {

class KeystrokeListFrame final : public win32::DialogBase {
public:
    KeystrokeListFrame(HWND parent, KeystrokeListEdit& model, KeystrokeDialog& keystrokeDialog,
                       NestedLoops& nestedLoops);

    using DialogBase::hwnd;
    // Model -> list, after the owner changed the model (cleared or loaded it).
    void refresh();

protected:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onInit();
    void add();
    void editSelected();
    void deleteSelected();
    void showExamples();
    void showEditMenu(POINT at);
    void fitColumn();
    void refreshSelecting(int row);

    KeystrokeListEdit& model_;
    KeystrokeDialog& keystrokeDialog_;
    NestedLoops& nestedLoops_;
    win32::ListView list_;
};

} // namespace flickmark
