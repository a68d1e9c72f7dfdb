// The keystroke editor's state: one keystroke captured by pressing it in the key field, either in the
// wizard's keystroke page or in the dialog that the keystroke list opens for Add and Edit.
//
// The modifier flags are sticky: capture only sets them and only Clear resets them. So modifiers pressed
// one after another add up (Ctrl, release, A gives CTRL+A), which is how keystrokes that the system would
// intercept are entered: Alt, release, then the Tab button gives ALT+TAB.
#pragma once

#include "actions/keystroke.h"
#include "editors/example_menu.h"
#include "editors/key_press.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flickmark {

// The modifier keys down when a key press arrives, as the keyboard state reports them.
struct HeldModifiers {
    bool win = false; // either Windows key
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// The key field's examples menu, in order.
std::span<const ExampleMenuItem> keystrokeExamples();

class KeystrokeEdit {
public:
    // A key press in the key field (WM_KEYDOWN or WM_SYSKEYDOWN). Every key is captured, Enter, Escape,
    // F10, Alt alone and Alt combinations included, except Tab: for Tab this returns false and the field
    // leaves it to the dialog, so the focus can move on. Typed characters are never entered into the field.
    // The right-hand Ctrl, Shift and Alt are stored by their own codes (see storedKey); AltGr is the right
    // Alt, without the Ctrl that Windows presses along with it.
    bool keyDown(const KeyPress& press, HeldModifiers held);
    // A press without a message behind it (no side, no layout name).
    bool keyDown(std::uint16_t key, HeldModifiers held);
    // A key release in the key field; true when it captured a key: Print Screen, whose press Windows keeps
    // for itself and reports only by its release.
    bool keyUp(const KeyPress& release, HeldModifiers held);
    // Whether the field swallows the release of a key: every key but Tab, so that releasing Alt or F10
    // never opens the window's menu.
    static bool consumesKeyUp(std::uint16_t key);

    // The "Tab" and "Winkey" buttons: a press of that key.
    void pressTab(HeldModifiers held = {});
    void pressWinkey(HeldModifiers held = {});
    // An item of keystrokeExamples(): Clear, nothing for a separator, or the example's keys pressed one
    // after another (modifiers first), as if the user had typed them.
    void choose(const ExampleMenuItem& item);

    void clear();
    // Starts from a stored keystroke: the field shows its display text as stored, and until a key is
    // captured, an example chosen or the editor cleared, the keystroke is the stored text exactly as it
    // was (its own display text, a key without a name, a text that does not decode). Returns false for a
    // text that does not decode, for the caller to report; the field then shows the text as stored.
    bool setKeystroke(std::string_view encoded);

    // The keystroke: the stored one while it is unchanged, else the captured one with its display text
    // built afresh from the flags and the key's name as captured.
    KeystrokeData keystroke() const;
    std::string encoded() const;
    // The text the key field shows.
    const std::string& fieldText() const { return fieldText_; }
    // "Set" of the dialog: enabled once a key has been captured since the editor was cleared.
    bool canSet() const { return canSet_; }

private:
    // What a press changes, for taking back the Ctrl press that turns out to be AltGr's.
    struct SavedState {
        std::uint8_t alt, ctrl, shift, win;
        std::uint16_t key;
        std::string keyName, fieldText;
        bool canSet;
        std::optional<std::string> stored;
    };
    struct CtrlPress {
        KeyPress press;
        SavedState before;
    };

    void capture(std::uint16_t key, HeldModifiers held) { capture(key, keyName(key), held); }
    void capture(std::uint16_t key, const std::string& name, HeldModifiers held);
    SavedState savedState() const;
    void restore(const SavedState& state);

    std::uint8_t alt_ = 0, ctrl_ = 0, shift_ = 0, win_ = 0;
    std::uint16_t key_ = 0;
    std::string keyName_; // the key's name when it was captured
    std::string fieldText_;
    bool canSet_ = false;
    std::optional<std::string> stored_;      // the stored text while nothing was changed
    std::optional<CtrlPress> lastCtrlPress_; // a left Ctrl press that AltGr may have made
    std::uint16_t lastPressedKey_ = 0;       // as the last press arrived
};

} // namespace flickmark
