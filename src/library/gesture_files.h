// Gesture files: "Gestures.ini" holds the global set, "Gestures_" + executable name + ".ini" the set of one
// program. One section per gesture, named by its gesture string, with the keys ActionType and Action:
//
//     [03]
//     ActionType=Keystroke
//     Action=000000
//     [12]
//     ActionType=Multiple Keystrokes
//     Action=100046ALT+F|000053S
#pragma once

#include "base/diagnostic_log.h"
#include "library/gesture_set.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"

#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

inline constexpr std::string_view kGlobalGestureFileName = "Gestures.ini";

enum class ActionType {
    Keystroke = 0,          // one encoded keystroke
    MultipleKeystrokes = 1, // encoded keystrokes joined by "|"
    RunProgram = 2,         // path "|" parameters (the "|" is written also when there are none)
};

// "Keystroke", "Multiple Keystrokes", "Run Program / File".
std::string_view actionTypeText(ActionType type);
// Exact, case-sensitive comparison; an unknown text gives Keystroke.
ActionType actionTypeCode(std::string_view text);
bool isKnownActionType(std::string_view text);

// "Gestures_" + executable name + ".ini"; an empty name gives "Gestures_.ini".
std::string programFileName(std::string_view executableName);
// Exact, case-sensitive comparison with "Gestures.ini".
bool isGlobalGestureFile(std::string_view fileName);

// How an action is shown in lists and menus: a keystroke's display text; the display texts of a list
// joined by " | "; path " | " parameters. Empty for an unknown type.
std::string actionDisplayText(std::string_view typeText, std::string_view action);

// Reads dataFolder + fileName. A missing file gives an empty set. Sections are taken in file order; a
// repeated section is read once (the first one). "Keystroke" actions are normalised (decoded and encoded
// again; five characters or fewer give the empty keystroke); a malformed one is kept as read and logged.
// Everything else the file holds is kept in the set's `kept` content, and its encoding in `encoding`.
GestureSet loadGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                          const std::string& dataFolder, const std::string& fileName);

// The text saveGestureSet writes: the kept leading lines, every gesture of the names list in order with its
// ActionType, Action and kept lines, then the kept other sections; CR LF line breaks.
std::string gestureFileText(const GestureSet& set);

// Replaces dataFolder + set.fileName with the set, in the set's encoding. Nothing is written for an empty set
// whose file does not exist; a set whose every gesture was deleted is written as an empty file. A refused
// write is logged as "Unable to write to " + path and leaves the old file as it was; a set whose file could
// not be read is never written. Returns whether the file now holds the set.
bool saveGestureSet(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                    const std::string& dataFolder, const GestureSet& set);

// The names of the files (not folders) in the data folder matching "Gesture*.ini".
std::vector<std::string> listProgramFiles(FileSystem& files, const std::string& dataFolder);

} // namespace flickmark
