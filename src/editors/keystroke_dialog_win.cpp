#include "editors/keystroke_dialog_win.h"

#include "editors/action_editor_ids.h"
#include "editors/keystroke_controls_win.h"
#include "platform/win32/window_placement.h"

#include <memory>

namespace flickmark {
namespace {

constexpr INT_PTR kSet = 1;
constexpr INT_PTR kCancel = 2;

} // namespace

KeystrokeDialog::KeystrokeDialog(NestedLoops& nestedLoops) : nestedLoops_(nestedLoops) {}

KeystrokeDialog::~KeystrokeDialog() = default;

std::optional<KeystrokeData> KeystrokeDialog::edit(HWND owner) {
    model_.clear();
    if (runModal(nestedLoops_, IDD_KEYSTROKE_DIALOG, owner) != kSet)
        return std::nullopt;
    return model_.keystroke();
}

std::optional<INT_PTR> KeystrokeDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInit();
        return FALSE; // the focus is already in the key field
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (controls_ && controls_->onCommand(id, code))
            return TRUE;
        if (id == IDC_KEYSTROKE_SET && code == BN_CLICKED && model_.canSet()) {
            endModal(kSet);
            return TRUE;
        }
        if (id == IDC_KEYSTROKE_CANCEL || id == IDCANCEL) {
            endModal(kCancel);
            return TRUE;
        }
        return std::nullopt;
    }
    case WM_CLOSE:
        endModal(kCancel);
        return TRUE;
    case WM_DESTROY:
        controls_.reset(); // unhooks the key field
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void KeystrokeDialog::onInit() {
    controls_ = std::make_unique<KeystrokeControls>(hwnd(), model_, nestedLoops_, [this] { updateSet(); });
    // As on the keystroke page: after Tab or Winkey the next key goes to the field.
    controls_->setButtonsReturnFocus(true);
    controls_->refresh();
    updateSet();
    win32::centreOnOwner(hwnd(), ::GetWindow(hwnd(), GW_OWNER));
    ::SetFocus(controls_->keyField());
}

void KeystrokeDialog::updateSet() {
    ::EnableWindow(item(IDC_KEYSTROKE_SET), model_.canSet() ? TRUE : FALSE);
}

} // namespace flickmark
