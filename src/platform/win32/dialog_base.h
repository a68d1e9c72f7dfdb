// Base of the program's dialogs, each built from a dialog template in the resources: modeless (create) or
// modal (runModal).
//
// The object is bound to its dialog from WM_INITDIALOG to WM_NCDESTROY. No exception ever leaves the dialog
// procedure: a handler that throws is reported to the debugger output and the message gets the default
// handling. Every open dialog takes part in keyboard navigation (Tab, arrows, mnemonics) through
// routeToModelessDialog, which the program's message loops call for every message.
#pragma once

#include "platform/nested_loop.h"

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

    // Creates the modeless dialog, hidden unless its template says WS_VISIBLE. `owner` may be null. Throws
    // Win32Error on failure.
    void create(int templateId, HWND owner);
    // Runs the dialog modally, its owner disabled meanwhile, inside a guard that pauses the recognizer;
    // returns what endModal was given, or -1 when the dialog could not be created.
    INT_PTR runModal(NestedLoops& loops, int templateId, HWND owner);
    void endModal(INT_PTR result) noexcept { ::EndDialog(hwnd_, result); }
    // Called after the system has handled WM_DPICHANGED (rescaling the template's controls and font) when
    // handleMessage left that message to it.
    virtual void afterDpiChange() {}

    // Moves the focus to `control` as Tab would, so that the default button follows it.
    void focusControl(HWND control) const noexcept;
    // Makes button `id` the one Enter presses, drawn as such; button `formerId` is drawn plainly again.
    void setDefaultButton(int id, int formerId) const noexcept;

    // Handles one message: a value is the dialog procedure's result (TRUE for handled), nothing gives the
    // default dialog handling. WM_INITDIALOG arrives here too, with the object already bound.
    virtual std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The result of a notification (WM_NOTIFY and the like) that carries one besides TRUE.
    void setMessageResult(LONG_PTR result) noexcept { ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result); }

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// Registers a window class for dialog templates that name it (a CLASS statement), so that the dialog can be
// found by its class; once per class. Throws Win32Error on failure.
void registerDialogClass(const wchar_t* name, HICON icon = nullptr, HICON smallIcon = nullptr);

// Moves the focus of `dialog` to `control` as Tab would, so that the default button follows it.
void focusDialogControl(HWND dialog, HWND control) noexcept;
// Moves the focus of `dialog` to its next tab stop, or the previous one.
void focusNextDialogControl(HWND dialog, bool backwards) noexcept;

// Hands a message to the open modeless dialog it is meant for, so that the dialog's keys work. Returns
// true when a dialog took it; the caller then neither translates nor dispatches it.
bool routeToModelessDialog(MSG& message) noexcept;

} // namespace flickmark::win32
