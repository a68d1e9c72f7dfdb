#include "gesture_sets/gesture_set.h"

#include "base/direction.h"
#include "gesture_sets/gesture_files.h"

#include <algorithm>

namespace flickmark {
namespace {

// A line a user wrote as a note: ';' starts a comment for the platform's reader, '#' for many people.
bool isCommentLine(std::string_view line) {
    line = trimIniBlanks(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// The lines [first, end) of a gesture's section that are its own: see GestureSet::removeGesture.
struct LineRange {
    std::size_t first;
    std::size_t end;
};

LineRange ownLines(const IniDocument& document, const IniDocument::Section& section) {
    LineRange range{section.header, section.header + 1};
    while (range.first > 0 && isCommentLine(document.lineText(range.first - 1)))
        --range.first;
    for (std::size_t i = section.begin; i < section.end; ++i)
        if (document.entryName(i) && !isCommentLine(document.lineText(i)))
            range.end = i + 1;
    return range;
}

} // namespace

const std::string* KeyedList::find(std::string_view key) const {
    const auto found = index_.find(key);
    return found == index_.end() ? nullptr : &entries_[found->second].second;
}

std::string KeyedList::value(std::string_view key) const {
    const std::string* found = find(key);
    return found ? *found : std::string();
}

void KeyedList::set(std::string_view key, std::string_view value) {
    const auto found = index_.find(key);
    if (value.empty()) {
        if (found == index_.end())
            return;
        const std::size_t position = found->second;
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
        index_.erase(found);
        for (auto& [k, at] : index_)
            if (at > position)
                --at;
    } else if (found != index_.end()) {
        entries_[found->second].second = value;
    } else {
        index_.emplace(std::string(key), entries_.size());
        entries_.emplace_back(std::string(key), std::string(value));
    }
}

bool KeyedList::rename(std::string_view from, std::string_view to) {
    const auto found = index_.find(from);
    if (found == index_.end() || (from != to && index_.contains(to)))
        return false;
    const std::size_t position = found->second;
    index_.erase(found);
    index_.emplace(std::string(to), position);
    entries_[position].first = to;
    return true;
}

std::vector<std::string> GestureSet::gestureStrings() const {
    std::vector<std::string> gestures;
    gestures.reserve(names.size());
    for (const auto& [name, gesture] : names.entries())
        gestures.push_back(gesture);
    return gestures;
}

bool GestureSet::hasGesture(std::string_view gesture) const {
    return names.contains(gestureDisplayName(gesture));
}

std::string GestureSet::storedAction(std::string_view gesture) const {
    return document.value(gesture, kActionKey);
}

void GestureSet::storeGesture(std::string_view gesture, std::string_view typeText, std::string_view action) {
    const bool added = !document.hasSection(gesture);
    names.set(gestureDisplayName(gesture), gesture);
    types.set(gesture, typeText);
    actions.set(gesture, actionForLookups(typeText, action).value_or(std::string()));
    if (added || document.value(gesture, kActionTypeKey) != typeText)
        document.setValue(gesture, kActionTypeKey, typeText);
    if (added || document.value(gesture, kActionKey) != action)
        document.setValue(gesture, kActionKey, action);
}

bool GestureSet::renameGesture(std::string_view from, std::string_view to) {
    if (from == to || !hasGesture(from) || hasGesture(to))
        return false;
    names.rename(gestureDisplayName(from), gestureDisplayName(to));
    names.set(gestureDisplayName(to), to);
    types.rename(from, to);
    actions.rename(from, to);
    document.renameSection(from, to);
    return true;
}

void GestureSet::removeGesture(std::string_view gesture) {
    names.set(gestureDisplayName(gesture), {});
    types.set(gesture, {});
    actions.set(gesture, {});
    // From the last section of the name to the first, so that the line numbers of those still to go stay.
    const auto& sections = document.sections();
    for (std::size_t s = sections.size(); s-- > 1;) {
        if (!iniNamesEqual(sections[s].name, gesture))
            continue;
        const LineRange range = ownLines(document, sections[s]);
        document.removeLines(range.first, range.end);
    }
}

void GestureSet::copyContentFrom(const GestureSet& other) {
    names = other.names;
    types = other.types;
    actions = other.actions;
    document = other.document;
    encoding = other.encoding;
}

} // namespace flickmark
