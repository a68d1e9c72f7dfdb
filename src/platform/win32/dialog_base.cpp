#include "platform/win32/dialog_base.h"

#include "platform/win32/last_error.h"
#include "platform/win32/window_base.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace flickmark::win32 {
namespace {

// The open modeless dialogs of the UI thread.
std::vector<HWND>& openDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

void forget(HWND dialog) noexcept {
    auto& dialogs = openDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
}

} // namespace

DialogBase::~DialogBase() {
    if (hwnd_) {
        const HWND hwnd = hwnd_;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        forget(hwnd);
        ::DestroyWindow(hwnd);
    }
}

void DialogBase::create(int templateId, HWND owner) {
    const HWND created = ::CreateDialogParamW(moduleInstance(), MAKEINTRESOURCEW(templateId), owner,
                                              &DialogBase::dialogProc, reinterpret_cast<LPARAM>(this));
    if (!created)
        throwLastError("CreateDialogParamW");
    try {
        openDialogs().push_back(created);
    } catch (...) {
        ::DestroyWindow(created);
        throw;
    }
}

INT_PTR CALLBACK DialogBase::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogBase* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<DialogBase*>(lParam);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<DialogBase*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return FALSE;

    INT_PTR result = FALSE;
    try {
        if (const std::optional<INT_PTR> handled = self->handleMessage(message, wParam, lParam))
            result = *handled;
        else if (message == WM_INITDIALOG)
            result = TRUE; // let the system give the first control the focus
    } catch (const std::exception& e) {
        reportUnexpected("dialog procedure", e.what());
    } catch (...) {
        reportUnexpected("dialog procedure", "unknown exception");
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        forget(hwnd);
        self->hwnd_ = nullptr;
    }
    return result;
}

bool routeToModelessDialog(MSG& message) noexcept {
    if (!message.hwnd)
        return false;
    const HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    const auto& dialogs = openDialogs();
    if (std::find(dialogs.begin(), dialogs.end(), root) == dialogs.end())
        return false;
    return ::IsDialogMessageW(root, &message) != FALSE;
}

} // namespace flickmark::win32
