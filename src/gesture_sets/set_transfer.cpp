#include "gesture_sets/set_transfer.h"

#include "gesture_sets/gesture_files.h"

#include <algorithm>

namespace flickmark {
namespace {

StoredGesture storedGesture(const GestureSet& set, const std::string& gesture) {
    return {gesture, set.document.value(gesture, kActionTypeKey), set.storedAction(gesture)};
}

void store(GestureSet& target, const StoredGesture& gesture) {
    target.storeGesture(gesture.gesture, gesture.typeText, gesture.action);
}

} // namespace

std::vector<StoredGesture> storedGestures(const GestureSet& set) {
    std::vector<StoredGesture> out;
    for (const std::string& gesture : set.gestureStrings())
        out.push_back(storedGesture(set, gesture));
    return out;
}

TransferPlan planTransfer(const GestureSet& source, const std::vector<std::string>& gestures,
                          const GestureSet& target, TransferScope scope) {
    TransferPlan plan;
    std::vector<std::string> travelling;
    for (const std::string& gesture : gestures) {
        if (!source.hasGesture(gesture) ||
            std::find(travelling.begin(), travelling.end(), gesture) != travelling.end())
            continue;
        travelling.push_back(gesture);
        StoredGesture from = storedGesture(source, gesture);
        if (!target.hasGesture(gesture)) {
            plan.added.push_back(std::move(from));
            continue;
        }
        StoredGesture to = storedGesture(target, gesture);
        if (from == to)
            plan.identical.push_back(std::move(from));
        else
            plan.conflicts.push_back({std::move(from), std::move(to)});
    }
    if (scope == TransferScope::WholeSet)
        for (const std::string& gesture : target.gestureStrings())
            if (std::find(travelling.begin(), travelling.end(), gesture) == travelling.end())
                plan.removed.push_back(storedGesture(target, gesture));
    return plan;
}

std::size_t applyTransfer(const TransferPlan& plan, TransferMode mode, const std::vector<bool>& takeSource,
                          GestureSet& target) {
    std::size_t changed = 0;
    if (mode == TransferMode::Replace) {
        for (const StoredGesture& gesture : plan.removed) {
            target.removeGesture(gesture.gesture);
            ++changed;
        }
    }
    for (std::size_t i = 0; i < plan.conflicts.size(); ++i) {
        const bool take = mode == TransferMode::Replace || (i < takeSource.size() && takeSource[i]);
        if (take) {
            store(target, plan.conflicts[i].source);
            ++changed;
        }
    }
    for (const StoredGesture& gesture : plan.added) {
        store(target, gesture);
        ++changed;
    }
    return changed;
}

} // namespace flickmark
