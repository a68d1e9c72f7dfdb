// Gesture files: "Gestures.ini" holds the global set, "Gestures_" + executable name + ".ini" the set of one
// program. One section per gesture, named by its gesture string, with the keys ActionType and Action:
//
//     [03]
//     ActionType=Keystroke
//     Action=000000
//     [12]
//     ActionType=Multiple Keystrokes
//     Action=100046ALT+F|000053S
//     [2]
//     ActionType=Window Command
//     Action=Maximize
#pragma once

#include "base/diagnostic_log.h"
#include "gesture_sets/gesture_set.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

inline constexpr std::string_view kGlobalGestureFileName = "Gestures.ini";
inline constexpr std::string_view kActionTypeKey = "ActionType";
inline constexpr std::string_view kActionKey = "Action";

enum class ActionType {
    Keystroke = 0,          // one encoded keystroke
    MultipleKeystrokes = 1, // encoded keystrokes joined by "|"
    RunProgram = 2,         // path "|" parameters (the "|" is written also when there are none)
    WindowCommand = 3,      // a window or media command's name, in any case (window_command.h)
};

// "Keystroke", "Multiple Keystrokes", "Run Program / File", "Window Command".
std::string_view actionTypeText(ActionType type);
// What the user reads for a stored type text, the same in the list, the wizard and the summary: "Keystroke",
// "Multiple Keystrokes", "Run Program or File", "Window or Media Command"; an unknown text as stored.
std::string actionTypeName(std::string_view text);
// Exact, case-sensitive comparison; an unknown text gives Keystroke.
ActionType actionTypeCode(std::string_view text);
bool isKnownActionType(std::string_view text);
// Whether this version can edit the action: one of a known type, and for a window command one whose name it
// knows. Another is kept as stored and shown read-only.
bool isEditableAction(std::string_view typeText, std::string_view action);

// "Gestures_" + executable name + ".ini"; an empty name gives "Gestures_.ini".
std::string programFileName(std::string_view executableName);
// Exact, case-sensitive comparison with "Gestures.ini".
bool isGlobalGestureFile(std::string_view fileName);

// How an action is shown in lists and menus: a keystroke's display text; the display texts of a list
// joined by " | "; path " | " parameters; a window command's name as this version spells it (an unknown
// one as stored). Empty for an unknown type.
std::string actionDisplayText(std::string_view typeText, std::string_view action);

// The action text lookups run for a stored one: a "Keystroke" action decoded and encoded again (five
// characters or fewer give the empty keystroke; a malformed one stays as stored), other known types as
// stored. Nothing for an unknown type.
std::optional<std::string> actionForLookups(std::string_view typeText, std::string_view storedAction);

// Reads dataFolder + fileName. A missing file gives an empty set. Sections are taken in file order; a
// repeated section is read once (the first one). A malformed keystroke is logged. The file's lines are
// kept in the set's `document`, and its encoding in `encoding`.
GestureSet loadGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                          const std::string& dataFolder, const std::string& fileName);

// Replaces dataFolder + set.fileName with the set's document, in the set's encoding. Nothing is written when
// the file already holds those bytes, or for a set with no lines whose file does not exist. A refused write
// is logged as "Unable to write to " + path and leaves the old file as it was; a set whose file could not
// be read is never written. Returns whether the file now holds the set.
bool saveGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                    const std::string& dataFolder, const GestureSet& set);

// The names of the files (not folders) in the data folder matching "Gesture*.ini".
std::vector<std::string> listProgramFiles(FileSystem& files, const std::string& dataFolder);

} // namespace flickmark
