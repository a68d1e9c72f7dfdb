#include "library/gesture_set.h"

#include "base/direction.h"

#include <algorithm>

namespace flickmark {

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
    encoding = other.encoding;
}

} // namespace flickmark
