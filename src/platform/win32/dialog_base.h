// Base of the program's modeless dialogs, each built from a dialog template in the resources.
//
// The object is bound to its dialog from WM_INITDIALOG to WM_NCDESTROY. No exception ever leaves the dialog
// procedure: a handler that throws is reported to the debugger output and the message gets the default
// handling. Every open dialog takes part in keyboard navigation (Tab, arrows, mnemonics) through
// routeToModelessDialog, which the program's message loops call for every message.
#pragma once

#include <windows.h>

#include <optional>

namespace flickmark::win32 {

class DialogBase {
public:
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    HWND hwnd() const noexcept { return hwnd_; }
    HWND item(int id) const noexcept { return ::GetDlgItem(hwnd_, id); }

protected:
    DialogBase() = default;
    // Destroys the dialog if it still exists.
    virtual ~DialogBase();

    // Creates the dialog, hidden unless its template says WS_VISIBLE. `owner` may be null. Throws
    // Win32Error on failure.
    void create(int templateId, HWND owner);

    // Handles one message: a value is the dialog procedure's result (TRUE for handled), nothing gives the
    // default dialog handling. WM_INITDIALOG arrives here too, with the object already bound.
    virtual std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The result of a notification (WM_NOTIFY and the like) that carries one besides TRUE.
    void setMessageResult(LONG_PTR result) noexcept { ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result); }

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// Hands a message to the open modeless dialog it is meant for, so that the dialog's keys work. Returns
// true when a dialog took it; the caller then neither translates nor dispatches it.
bool routeToModelessDialog(MSG& message) noexcept;

} // namespace flickmark::win32
