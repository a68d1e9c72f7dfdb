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

bool KeystrokeEdit::keyDown(std::uint16_t key, HeldModifiers held) {
    if (key == vk::Tab)
        return false;
    capture(key, held);
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
    fieldText_.clear();
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
    fieldText_ = decoded->text;
    return true;
}

KeystrokeData KeystrokeEdit::keystroke() const {
    if (stored_)
        return decodeKeystroke(*stored_).value_or(KeystrokeData{0, 0, 0, 0, 0, *stored_});
    return {alt_, ctrl_, shift_, win_, key_, keystrokeDisplayText(alt_, shift_, ctrl_, win_, key_)};
}

std::string KeystrokeEdit::encoded() const {
    return stored_ ? *stored_ : encodeKeystroke(keystroke());
}

void KeystrokeEdit::capture(std::uint16_t key, HeldModifiers held) {
    // The pressed key counts as held even when the keyboard state does not show it yet (a button's
    // simulated press, the right Windows key).
    if (held.win || key == vk::LeftWin || key == vk::RightWin)
        win_ = 1;
    if (held.ctrl || key == vk::Control)
        ctrl_ = 1;
    if (held.shift || key == vk::Shift)
        shift_ = 1;
    if (held.alt || key == vk::Menu)
        alt_ = 1;
    key_ = key;
    fieldText_ = keystrokeDisplayText(alt_, shift_, ctrl_, win_, key_);
    canSet_ = true;
    stored_.reset();
}

} // namespace flickmark
