#include "editors/keystroke_controls_win.h"

#include "editors/action_editor_ids.h"
#include "platform/win32/controls/edit.h"
#include "platform/win32/controls/hints.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"

#include <commctrl.h>

#include <exception>
#include <span>
#include <string>
#include <string_view>

namespace flickmark {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr POINT kExamplesMenuOffset{5, 7};

bool down(int key) noexcept {
    return (::GetKeyState(key) & 0x8000) != 0;
}

// The layout's name for the key of a key message: the character itself for a character key, the name
// spelled out for a dead key. "" when it has none.
std::string layoutKeyName(LPARAM lParam) {
    constexpr LPARAM kScanCodeAndExtendedBit = 0x01FF0000; // without the "either side" bit
    wchar_t name[64] = {};
    const int length = ::GetKeyNameTextW(static_cast<LONG>(lParam & kScanCodeAndExtendedBit), name, 64);
    if (length <= 0)
        return "";
    ::CharUpperBuffW(name, static_cast<DWORD>(length));
    return win32::narrow(std::wstring_view(name, static_cast<std::size_t>(length)));
}

KeyPress keyPress(WPARAM wParam, LPARAM lParam) {
    KeyPress press;
    press.virtualKey = static_cast<std::uint16_t>(wParam);
    press.scanCode = static_cast<std::uint8_t>((lParam >> 16) & 0xFF);
    press.extended = (lParam & (LPARAM{1} << 24)) != 0;
    press.timeMs = static_cast<std::uint32_t>(::GetMessageTime());
    press.layoutName = layoutKeyName(lParam);
    return press;
}

} // namespace

HeldModifiers heldModifiers() noexcept {
    HeldModifiers held;
    held.win = down(VK_LWIN) || down(VK_RWIN);
    held.ctrl = down(VK_CONTROL);
    held.shift = down(VK_SHIFT);
    held.alt = down(VK_MENU);
    return held;
}

KeystrokeControls::KeystrokeControls(HWND window, KeystrokeEdit& model, NestedLoops& nestedLoops,
                                     std::function<void()> changed)
    : window_(window), field_(::GetDlgItem(window, IDC_KEYSTROKE_FIELD)), model_(model),
      nestedLoops_(nestedLoops), changed_(std::move(changed)) {
    ::SetWindowSubclass(field_, &KeystrokeControls::fieldProc, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));
    win32::Hints::create(window).add(::GetDlgItem(window, IDC_KEYSTROKE_EXAMPLES), kExamplesHint);
}

KeystrokeControls::~KeystrokeControls() {
    if (::IsWindow(field_))
        ::RemoveWindowSubclass(field_, &KeystrokeControls::fieldProc, kSubclassId);
}

void KeystrokeControls::refresh() {
    ::SetWindowTextW(field_, win32::widen(model_.fieldText()).c_str());
    if (::GetFocus() == field_)
        win32::Edit(field_).placeCaretAtEnd();
}

void KeystrokeControls::focusKeyField() {
    if (!::IsWindowVisible(field_) || !::IsWindowEnabled(field_))
        return;
    // A dialog keeps its default button right when the focus moves through it; any other host is told
    // directly.
    win32::focusDialogControl(::GetAncestor(field_, GA_ROOT), field_);
    if (::GetFocus() != field_)
        ::SetFocus(field_);
}

bool KeystrokeControls::onCommand(int id, int code) {
    if (code != BN_CLICKED)
        return id == IDC_KEYSTROKE_FIELD; // the field's notifications carry nothing we need
    switch (id) {
    case IDC_KEYSTROKE_TAB:
        model_.pressTab(heldModifiers());
        break;
    case IDC_KEYSTROKE_WINKEY:
        model_.pressWinkey(heldModifiers());
        break;
    case IDC_KEYSTROKE_EXAMPLES:
        showExamples();
        return true;
    default:
        return false;
    }
    refresh();
    changed_();
    if (buttonsReturnFocus_)
        focusKeyField();
    return true;
}

const ExampleMenuItem* chooseExample(NestedLoops& loops, HWND button, POINT offset,
                                     std::span<const ExampleMenuItem> examples) {
    constexpr UINT kFirstId = 1;
    win32::MenuBuilder menu;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        if (examples[i].kind == ExampleMenuItem::Kind::Separator)
            menu.separator();
        else
            menu.item(kFirstId + static_cast<UINT>(i), examples[i].caption);
    }
    const UINT chosen = menu.choose(loops, ::GetParent(button), win32::menuPositionFor(button, offset));
    if (chosen < kFirstId || chosen - kFirstId >= examples.size())
        return nullptr;
    return &examples[chosen - kFirstId];
}

void KeystrokeControls::showExamples() {
    const ExampleMenuItem* example =
        chooseExample(nestedLoops_, ::GetDlgItem(window_, IDC_KEYSTROKE_EXAMPLES), kExamplesMenuOffset,
                      keystrokeExamples());
    if (example == nullptr)
        return;
    model_.choose(*example);
    refresh();
    changed_();
    focusKeyField();
}

LRESULT CALLBACK KeystrokeControls::fieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
    try {
        return reinterpret_cast<KeystrokeControls*>(self)->handleField(message, wParam, lParam);
    } catch (const std::exception& e) {
        win32::reportUnexpected("key field", e.what());
    } catch (...) {
        win32::reportUnexpected("key field", "unknown exception");
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT KeystrokeControls::handleField(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto key = static_cast<std::uint16_t>(wParam);
    switch (message) {
    case WM_GETDLGCODE: {
        // Every key comes here, except that Tab stays the dialog's for moving the focus.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = ::DefSubclassProc(field_, message, wParam, lParam) & ~DLGC_HASSETSEL;
        if (pending && (pending->message == WM_KEYDOWN || pending->message == WM_CHAR) &&
            (pending->wParam == VK_TAB || pending->wParam == L'\t'))
            return code & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return code | DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!model_.keyDown(keyPress(wParam, lParam), heldModifiers())) {
            win32::focusNextDialogControl(::GetAncestor(field_, GA_ROOT),
                                          (::GetKeyState(VK_SHIFT) & 0x8000) != 0);
            return 0;
        }
        refresh();
        changed_();
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (model_.keyUp(keyPress(wParam, lParam), heldModifiers())) {
            refresh();
            changed_();
        }
        if (KeystrokeEdit::consumesKeyUp(key))
            return 0;
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_DEADCHAR:
    case WM_SYSDEADCHAR:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_CONTEXTMENU:
        return 0; // nothing is typed, pasted or edited into the field
    case WM_SETFOCUS: {
        const LRESULT result = ::DefSubclassProc(field_, message, wParam, lParam);
        win32::Edit(field_).placeCaretAtEnd();
        return result;
    }
    default:
        break;
    }
    return ::DefSubclassProc(field_, message, wParam, lParam);
}

} // namespace flickmark
