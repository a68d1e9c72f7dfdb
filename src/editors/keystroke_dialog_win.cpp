#include "editors/keystroke_dialog_win.h"

#include "editors/action_editor_ids.h"
#include "editors/keystroke_controls_win.h"
#include "platform/win32/window_base.h"

#include <algorithm>
#include <exception>
#include <memory>

namespace flickmark {
namespace {

constexpr INT_PTR kSet = 1;
constexpr INT_PTR kCancel = 2;

// Centres a window on its owner, kept inside the owner's work area.
void centreOnOwner(HWND window, HWND owner) {
    RECT own{};
    RECT bounds{};
    ::GetWindowRect(window, &own);
    const HMONITOR monitor = ::MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(monitor, &info);
    if (!owner || !::IsWindowVisible(owner) || !::GetWindowRect(owner, &bounds))
        bounds = info.rcWork;
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    int x = bounds.left + (bounds.right - bounds.left - width) / 2;
    int y = bounds.top + (bounds.bottom - bounds.top - height) / 2;
    x = std::clamp<int>(x, info.rcWork.left, std::max<int>(info.rcWork.left, info.rcWork.right - width));
    y = std::clamp<int>(y, info.rcWork.top, std::max<int>(info.rcWork.top, info.rcWork.bottom - height));
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

KeystrokeDialog::KeystrokeDialog(NestedLoops& nestedLoops) : nestedLoops_(nestedLoops) {}

KeystrokeDialog::~KeystrokeDialog() = default;

std::optional<KeystrokeData> KeystrokeDialog::edit(HWND owner) {
    model_.clear();
    INT_PTR ended = 0;
    {
        const NestedLoopGuard guard(nestedLoops_);
        ended = ::DialogBoxParamW(win32::moduleInstance(), MAKEINTRESOURCEW(IDD_KEYSTROKE_DIALOG), owner,
                                  &KeystrokeDialog::dialogProc, reinterpret_cast<LPARAM>(this));
    }
    if (ended != kSet)
        return std::nullopt;
    return model_.keystroke();
}

INT_PTR CALLBACK KeystrokeDialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    auto* self = reinterpret_cast<KeystrokeDialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    try {
        return self->handleMessage(hwnd, message, wParam, lParam);
    } catch (const std::exception& e) {
        win32::reportUnexpected("keystroke dialog", e.what());
    } catch (...) {
        win32::reportUnexpected("keystroke dialog", "unknown exception");
    }
    return FALSE;
}

INT_PTR KeystrokeDialog::handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInit(hwnd);
        return FALSE; // the focus is already in the key field
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (controls_ && controls_->onCommand(id, code))
            return TRUE;
        if (id == IDC_KEYSTROKE_SET && code == BN_CLICKED && model_.canSet()) {
            ::EndDialog(hwnd, kSet);
            return TRUE;
        }
        if (id == IDC_KEYSTROKE_CANCEL || id == IDCANCEL) {
            ::EndDialog(hwnd, kCancel);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        ::EndDialog(hwnd, kCancel);
        return TRUE;
    case WM_DESTROY:
        controls_.reset(); // unhooks the key field
        hwnd_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

void KeystrokeDialog::onInit(HWND hwnd) {
    hwnd_ = hwnd;
    controls_ = std::make_unique<KeystrokeControls>(hwnd, model_, nestedLoops_, [this] { updateSet(); });
    controls_->refresh();
    updateSet();
    centreOnOwner(hwnd, ::GetWindow(hwnd, GW_OWNER));
    ::SetFocus(controls_->keyField());
}

void KeystrokeDialog::updateSet() {
    ::EnableWindow(::GetDlgItem(hwnd_, IDC_KEYSTROKE_SET), model_.canSet() ? TRUE : FALSE);
}

} // namespace flickmark
