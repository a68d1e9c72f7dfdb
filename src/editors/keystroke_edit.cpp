#include "editors/keystroke_edit.h"

#include "base/virtual_keys.h"

namespace flickmark {

namespace {

using Kind = ExampleMenuItem::Kind;

// "Select all" holds Ctrl+A, as its caption promises.
constexpr ExampleMenuItem kKeystrokeExamples[] = {
    {"Clear Keystroke", Kind::Clear, ""},
    {"-", Kind::Separator, ""},
    {"Close Window [Alt+F4]", Kind::Example, "100073"},
    {"Next Program [Alt+Tab]", Kind::Example, "100009"},
    {"Select all   [CTRL+A]", Kind::Example, "010041"},
    {"Minimize All [Winkey+M]", Kind::Example, "00014D"},
    {"Task Manager [Ctrl+Shift+Escape]", Kind::Example, "01101B"},
};

} // namespace

std::span<const ExampleMenuItem> keystrokeExamples() {
    return kKeystrokeExamples;
}

bool KeystrokeEdit::keyDown(const KeyPress& press, HeldModifiers held) {
    if (press.virtualKey == vk::Tab)
        return false;
    if (lastCtrlPress_ && isAltGrCtrl(lastCtrlPress_->press, press)) {
        restore(lastCtrlPress_->before);
        held.ctrl = false; // still down: Windows holds it as long as AltGr
    }
    lastCtrlPress_.reset();
    if (press.virtualKey == vk::Control && !press.extended)
        lastCtrlPress_ = CtrlPress{press, savedState()};
    lastPressedKey_ = press.virtualKey;
    const std::uint16_t key = storedKey(press);
    capture(key, pressedKeyName(key, press.layoutName), held);
    return true;
}

bool KeystrokeEdit::keyDown(std::uint16_t key, HeldModifiers held) {
    KeyPress press;
    press.virtualKey = key;
    return keyDown(press, held);
}

bool KeystrokeEdit::keyUp(const KeyPress& release, HeldModifiers held) {
    if (release.virtualKey != vk::Snapshot)
        return false;
    const bool pressSeen = lastPressedKey_ == vk::Snapshot;
    lastPressedKey_ = 0;
    if (pressSeen)
        return false;
    lastCtrlPress_.reset();
    capture(vk::Snapshot, pressedKeyName(vk::Snapshot, release.layoutName), held);
    return true;
}

bool KeystrokeEdit::consumesKeyUp(std::uint16_t key) {
    return key != vk::Tab;
}

void KeystrokeEdit::pressTab(HeldModifiers held) {
    capture(vk::Tab, held);
}

void KeystrokeEdit::pressWinkey(HeldModifiers held) {
    capture(vk::LeftWin, held);
}

void KeystrokeEdit::choose(const ExampleMenuItem& item) {
    if (item.kind == Kind::Separator)
        return;
    const auto example = decodeKeystroke(item.keystrokes);
    clear();
    if (item.kind == Kind::Clear || !example)
        return;
    if (example->win)
        capture(vk::LeftWin, {});
    if (example->alt)
        capture(vk::Menu, {});
    if (example->ctrl)
        capture(vk::Control, {});
    if (example->shift)
        capture(vk::Shift, {});
    capture(example->key, {});
}

void KeystrokeEdit::clear() {
    alt_ = ctrl_ = shift_ = win_ = 0;
    key_ = 0;
    keyName_.clear();
    fieldText_.clear();
    lastCtrlPress_.reset();
    lastPressedKey_ = 0;
    canSet_ = false;
    stored_.reset();
}

bool KeystrokeEdit::setKeystroke(std::string_view encoded) {
    const auto decoded = decodeKeystroke(encoded);
    clear();
    stored_ = std::string(encoded);
    canSet_ = true;
    if (!decoded) {
        fieldText_ = encoded;
        return false;
    }
    alt_ = decoded->alt;
    ctrl_ = decoded->ctrl;
    shift_ = decoded->shift;
    win_ = decoded->win;
    key_ = decoded->key;
    keyName_ = keyName(key_);
    // A keystroke stored without its own display text shows the key's name, as the gestures window does.
    fieldText_ = shownText(*decoded);
    return true;
}

KeystrokeData KeystrokeEdit::keystroke() const {
    if (stored_)
        return decodeKeystroke(*stored_).value_or(KeystrokeData{0, 0, 0, 0, 0, *stored_});
    return {alt_, ctrl_, shift_, win_, key_, modifierPrefixes(alt_, shift_, ctrl_, win_, key_) + keyName_};
}

std::string KeystrokeEdit::encoded() const {
    return stored_ ? *stored_ : encodeKeystroke(keystroke());
}

void KeystrokeEdit::capture(std::uint16_t key, const std::string& name, HeldModifiers held) {
    // The pressed key counts as held even when the keyboard state does not show it yet (a button's
    // simulated press, the right Windows key).
    const vk::Modifier own = vk::modifierOf(key);
    if (held.win || own == vk::Modifier::WindowsKey)
        win_ = 1;
    if (held.ctrl || own == vk::Modifier::CtrlKey)
        ctrl_ = 1;
    if (held.shift || own == vk::Modifier::ShiftKey)
        shift_ = 1;
    if (held.alt || own == vk::Modifier::AltKey)
        alt_ = 1;
    key_ = key;
    keyName_ = name;
    fieldText_ = modifierPrefixes(alt_, shift_, ctrl_, win_, key_) + keyName_;
    canSet_ = true;
    stored_.reset();
}

KeystrokeEdit::SavedState KeystrokeEdit::savedState() const {
    return {alt_, ctrl_, shift_, win_, key_, keyName_, fieldText_, canSet_, stored_};
}

void KeystrokeEdit::restore(const SavedState& s) {
    alt_ = s.alt;
    ctrl_ = s.ctrl;
    shift_ = s.shift;
    win_ = s.win;
    key_ = s.key;
    keyName_ = s.keyName;
    fieldText_ = s.fieldText;
    canSet_ = s.canSet;
    stored_ = s.stored;
}

} // namespace flickmark
