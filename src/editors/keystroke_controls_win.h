// The controls that the keystroke frame and the keystroke dialog share (key field, Examples, Tab, Winkey),
// bound to one KeystrokeEdit. Each window owns one and hands it its commands.
//
// The key field is an EDIT subclassed so that it captures every key press itself: Enter, Escape, F10, Alt
// alone and Alt+F4 included, none of which then reaches the dialog or the window menu. Only Tab is left to
// the dialog, so the focus can move on. Nothing can be typed, pasted or cut into it.
#pragma once

#include "editors/keystroke_edit.h"
#include "platform/nested_loop.h"

#include <windows.h>

#include <functional>
#include <span>

namespace flickmark {

class KeystrokeControls {
public:
    // `window` holds the controls with the ids of action_editor_ids.h. `changed` runs after every change
    // of the model made here (a key, a button, an example).
    KeystrokeControls(HWND window, KeystrokeEdit& model, NestedLoops& nestedLoops,
                      std::function<void()> changed);
    ~KeystrokeControls();
    KeystrokeControls(const KeystrokeControls&) = delete;
    KeystrokeControls& operator=(const KeystrokeControls&) = delete;

    // The Tab and Winkey buttons give the focus back to the key field, so the next key completes the
    // keystroke, or keep it.
    void setButtonsReturnFocus(bool returnFocus) { buttonsReturnFocus_ = returnFocus; }

    // Model -> key field.
    void refresh();
    HWND keyField() const { return field_; }
    void focusKeyField();
    // Handles a WM_COMMAND of the shared controls; false for any other control.
    bool onCommand(int id, int code);

private:
    static LRESULT CALLBACK fieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT handleField(UINT message, WPARAM wParam, LPARAM lParam);
    void showExamples();

    HWND window_;
    HWND field_;
    KeystrokeEdit& model_;
    NestedLoops& nestedLoops_;
    std::function<void()> changed_;
    bool buttonsReturnFocus_ = false;
};

// The modifier keys down now, as the thread's keyboard state has them.
HeldModifiers heldModifiers() noexcept;

// The hint of the buttons that open a menu of examples.
inline constexpr wchar_t kExamplesHint[] = L"Common Examples";
// Shows the examples as a menu for the button that opens it, at the pointer moved by `offset` when the button
// was clicked; returns the chosen example, or null when none was chosen.
const ExampleMenuItem* chooseExample(NestedLoops& loops, HWND button, POINT offset,
                                     std::span<const ExampleMenuItem> examples);

} // namespace flickmark
