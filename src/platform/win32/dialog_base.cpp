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

// Kept clear of the WM_APP messages the dialogs use themselves.
constexpr UINT kAfterDpiChangeMessage = WM_APP + 0x3FF0;

} // namespace

void registerDialogClass(const wchar_t* name, HICON icon, HICON smallIcon) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (::GetClassInfoExW(moduleInstance(), name, &windowClass))
        return;
    // Dialogs need the dialog manager's procedure as their class procedure and its extra bytes.
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefDlgProcW;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = moduleInstance();
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    if (!::RegisterClassExW(&windowClass))
        throwLastError("RegisterClassExW");
}

void focusDialogControl(HWND dialog, HWND control) noexcept {
    ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

void focusNextDialogControl(HWND dialog, bool backwards) noexcept {
    ::SendMessageW(dialog, WM_NEXTDLGCTL, backwards ? 1 : 0, FALSE);
}

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

INT_PTR DialogBase::runModal(NestedLoops& loops, int templateId, HWND owner) {
    const NestedLoopGuard guard(loops);
    return ::DialogBoxParamW(moduleInstance(), MAKEINTRESOURCEW(templateId), owner, &DialogBase::dialogProc,
                             reinterpret_cast<LPARAM>(this));
}

void DialogBase::focusControl(HWND control) const noexcept {
    focusDialogControl(hwnd_, control);
}

void DialogBase::setDefaultButton(int id, int formerId) const noexcept {
    ::SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    ::SendMessageW(item(formerId), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    ::SendMessageW(item(id), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
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
        if (message == kAfterDpiChangeMessage) {
            self->afterDpiChange();
            return TRUE;
        }
        if (const std::optional<INT_PTR> handled = self->handleMessage(message, wParam, lParam))
            result = *handled;
        else if (message == WM_INITDIALOG)
            result = TRUE; // let the system give the first control the focus
        else if (message == WM_DPICHANGED)
            ::PostMessageW(hwnd, kAfterDpiChangeMessage, 0, 0); // the system's own handling comes first
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
