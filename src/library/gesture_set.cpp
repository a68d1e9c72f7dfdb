#include "library/gesture_set.h"

#include "recognizer/direction.h"

#include <algorithm>

namespace flickmark {

const std::string* KeyedList::find(std::string_view key) const {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
    return found == entries_.end() ? nullptr : &found->second;
}

std::string KeyedList::value(std::string_view key) const {
    const std::string* found = find(key);
    return found ? *found : std::string();
}

void KeyedList::set(std::string_view key, std::string_view value) {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.first == key; });
    if (value.empty()) {
        if (found != entries_.end())
            entries_.erase(found);
    } else if (found != entries_.end()) {
        found->second = value;
    } else {
        entries_.emplace_back(std::string(key), std::string(value));
    }
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

void GestureSet::removeGesture(std::string_view gesture) {
    names.set(gestureDisplayName(gesture), {});
    types.set(gesture, {});
    actions.set(gesture, {});
    kept.unknownTypeActions.set(gesture, {});
    kept.gestureExtraLines.erase(std::string(gesture));
}

void GestureSet::copyContentFrom(const GestureSet& other) {
    names = other.names;
    types = other.types;
    actions = other.actions;
    kept = other.kept;
}

} // namespace flickmark
