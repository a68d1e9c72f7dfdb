// Carrying gestures from one set to another: a whole set copied to another program's set or imported from
// a file, or a few gestures copied. The plan says, before anything is written, what the target gains, what
// it has already, where the two differ and, for Replace, what it loses; applying it changes only the
// target's lines of those gestures, so a gesture that is not touched keeps its lines, comments and
// encoding. Each gesture travels with its ActionType and Action texts exactly as stored: unknown types,
// unusual keys and own display texts arrive unchanged.
#pragma once

#include "gesture_sets/gesture_set.h"

#include <string>
#include <vector>

namespace flickmark {

// One gesture as its file stores it.
struct StoredGesture {
    std::string gesture;  // gesture string, e.g. "03"
    std::string typeText; // the ActionType text, empty when the key is missing
    std::string action;   // the Action text

    friend bool operator==(const StoredGesture&, const StoredGesture&) = default;
};

// A gesture that both sets have with another type or action.
struct TransferConflict {
    StoredGesture source;
    StoredGesture target;

    friend bool operator==(const TransferConflict&, const TransferConflict&) = default;
};

enum class TransferScope {
    WholeSet, // "Copy set to...", "Import...": Replace makes the target the source
    Chosen,   // "Copy to..." of chosen gestures: Replace takes every conflict from the source, nothing more
};

struct TransferPlan {
    std::vector<StoredGesture> added;        // the target lacks them
    std::vector<StoredGesture> identical;    // the target has them with the same type and action
    std::vector<TransferConflict> conflicts; // the target has them otherwise
    std::vector<StoredGesture> removed;      // the target's gestures that Replace of a whole set removes

    friend bool operator==(const TransferPlan&, const TransferPlan&) = default;
};

// `gestures` are gesture strings of `source`, in the order they travel (its list order for a whole set);
// one the source lacks is left out.
TransferPlan planTransfer(const GestureSet& source, const std::vector<std::string>& gestures,
                          const GestureSet& target, TransferScope scope);

enum class TransferMode {
    Merge,   // the target keeps its own; it gains what it lacks; each conflict as the user picked
    Replace, // the source wins every conflict; for a whole set, the target's other gestures go
};

// Applies the plan to `target`. For Merge, `takeSource[i]` says whether conflict i takes the source's
// gesture (missing entries keep the target's). Returns how many gestures changed; 0 leaves the set as it
// was, so a save writes nothing.
std::size_t applyTransfer(const TransferPlan& plan, TransferMode mode, const std::vector<bool>& takeSource,
                          GestureSet& target);

// Every gesture of a set in list order, as stored.
std::vector<StoredGesture> storedGestures(const GestureSet& set);

} // namespace flickmark
