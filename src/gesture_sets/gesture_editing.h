// What the gestures window needs of the gesture editors: a new gesture, or a change to an existing one.
// The application wires the wizard behind it.
#pragma once

#include "gesture_sets/gesture_files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

// One gesture with its action, as a row of the gestures window holds it.
struct GestureDefinition {
    std::string gesture; // gesture string, e.g. "03"
    ActionType type = ActionType::Keystroke;
    std::string action; // the action text exactly as stored for the type
    // The ActionType text of a gesture stored with a type this version does not know (an empty or missing
    // one included), or of a window command whose name it does not know. `type` is then Keystroke and
    // means nothing, and `action` is kept as it is.
    std::optional<std::string> unknownType;

    friend bool operator==(const GestureDefinition&, const GestureDefinition&) = default;
};

enum class EditStart {
    Gesture, // "Edit Gesture": the wizard opens on the direction buttons
    Action,  // "Edit Action": the wizard opens on the editor of the gesture's action type
};

class GestureEditing {
public:
    virtual ~GestureEditing() = default;
    // `existing` holds the gesture strings of the shown set; the result is never one of them. `gesture` is
    // the gesture chosen already (one that was drawn and not found), or empty. Nothing when the user
    // cancelled.
    virtual std::optional<GestureDefinition> newGesture(const std::vector<std::string>& existing,
                                                        std::string_view gesture) = 0;
    // The result's gesture is never another of `existing`. When it differs from current.gesture the
    // gesture was renamed: the caller removes current.gesture from the set. Nothing when cancelled.
    virtual std::optional<GestureDefinition> editGesture(const GestureDefinition& current, EditStart start,
                                                         const std::vector<std::string>& existing) = 0;
};

} // namespace flickmark
