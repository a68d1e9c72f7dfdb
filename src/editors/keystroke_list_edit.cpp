#include "editors/keystroke_list_edit.h"

#include <algorithm>

namespace flickmark {

namespace {

using Kind = ExampleMenuItem::Kind;

constexpr ExampleMenuItem kKeystrokeListExamples[] = {
    {"Clear List", Kind::Clear, ""},
    {"-", Kind::Separator, ""},
    {"Minimize [Alt+Space N]", Kind::Example, "100020ALT+SPACE|00004EN"},
    {"Maximize [Alt+Space X]", Kind::Example, "100020ALT+SPACE|000058X"},
    {"Restore [Alt+Space R]", Kind::Example, "100020ALT+SPACE|000052R"},
    {"-", Kind::Separator, ""},
    {"File Save [Alt+F S]", Kind::Example, "100046ALT+F|000053S"},
    {"File New [ALT+F N]", Kind::Example, "100046ALT+F|00004EN"},
};

KeystrokeListEntry entryOf(const KeystrokeData& keystroke) {
    return {encodeKeystroke(keystroke), keystroke.text, false};
}

} // namespace

std::span<const ExampleMenuItem> keystrokeListExamples() {
    return kKeystrokeListExamples;
}

std::vector<std::string> KeystrokeListEdit::load(std::string_view list) {
    entries_.clear();
    stored_ = std::string(list);
    std::vector<std::string> malformed;
    for (std::string& piece : splitKeystrokeList(list)) {
        if (const auto keystroke = decodeKeystroke(piece)) {
            entries_.push_back({piece, shownText(*keystroke), false});
        } else {
            entries_.push_back({piece, piece, true});
            malformed.push_back(std::move(piece));
        }
    }
    return malformed;
}

void KeystrokeListEdit::clear() {
    entries_.clear();
    stored_.reset();
}

void KeystrokeListEdit::choose(const ExampleMenuItem& item) {
    if (item.kind == Kind::Clear)
        clear();
    else if (item.kind == Kind::Example)
        load(item.keystrokes);
}

void KeystrokeListEdit::add(const KeystrokeData& keystroke) {
    entries_.push_back(entryOf(keystroke));
    stored_.reset();
}

bool KeystrokeListEdit::replace(std::size_t index, const KeystrokeData& keystroke) {
    if (index >= entries_.size())
        return false;
    entries_[index] = entryOf(keystroke);
    stored_.reset();
    return true;
}

bool KeystrokeListEdit::remove(std::size_t index) {
    if (index >= entries_.size())
        return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    stored_.reset();
    return true;
}

bool KeystrokeListEdit::move(std::size_t from, std::size_t to) {
    if (from >= entries_.size() || to >= entries_.size())
        return false;
    stored_.reset();
    const auto first = entries_.begin();
    if (from < to)
        std::rotate(first + static_cast<std::ptrdiff_t>(from), first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    else
        std::rotate(first + static_cast<std::ptrdiff_t>(to), first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
    return true;
}

std::vector<std::string> KeystrokeListEdit::collect() const {
    std::vector<std::string> encoded;
    for (const KeystrokeListEntry& entry : entries_)
        encoded.push_back(entry.encoded);
    return encoded;
}

std::string KeystrokeListEdit::encoded() const {
    if (stored_)
        return *stored_;
    std::string text;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i > 0)
            text += '|';
        text += entries_[i].encoded;
    }
    return text;
}

} // namespace flickmark
