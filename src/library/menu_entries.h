// What the help menu and the suggestions menu list: one entry per gesture and set, with its caption, and
// the full item lists of both menus around the entries.
//
// A help menu lists every gesture that begins with the held direction; a suggestions menu the near
// gestures of a gesture that was not found. A gesture of both the program set and the global set gives two
// entries, the program set's first; the global one is marked as overridden when the program's own action
// is the one that runs. In the help menu the program's entries stand under the program's name and the
// global ones under "All programs", when the program has any.
#pragma once

#include "base/direction.h"
#include "gesture_sets/gesture_set.h"
#include "platform/menus.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

struct MenuEntry {
    std::string gesture; // gesture string, the entry's hint
    std::string caption;
    bool programSet = false; // from the program's set, else from the global set

    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

// Captions of the fixed items, trailing blanks included.
inline constexpr std::string_view kHelpMenuTitle = "Help Popup";
inline constexpr std::string_view kHelpConfigureCaption = "Configure";
inline constexpr std::string_view kSuggestionsMenuTitle = "Suggestions Popup ";
inline constexpr std::string_view kSuggestionsConfigureCaption = "Configure ";
inline constexpr std::string_view kCloseCaption = "Close";
// The last item of both menus: the program in front gets no more gestures (it goes on "noright.ini").
inline constexpr std::string_view kGesturesOffCaption = "Gestures off in ";
// The help menu's group captions: the program's file name (this when it is not known), then this.
inline constexpr std::string_view kUnknownProgramCaption = "This program";
inline constexpr std::string_view kAllProgramsCaption = "All programs";
// After the name of a global entry whose gesture the program's own action takes.
inline constexpr std::string_view kOverriddenMark = " (overridden here)";
// The text shown until the button is released when no gesture begins with the held direction.
inline constexpr std::string_view kHelpNoMatchesText = "Help Popup - no matches";

// Ids the menus return. An entry's id is kFirstEntryId plus its index.
inline constexpr int kConfigureId = 1;
inline constexpr int kCloseId = 2;
inline constexpr int kGesturesOffId = 3;
inline constexpr int kNewForProgramId = 4; // suggestions menu: a new gesture for the program in front
inline constexpr int kNewForAllId = 5;     // suggestions menu: a new gesture for all programs
inline constexpr int kFirstEntryId = 100;

// Display name, a tab, then "   (" keystroke display texts joined by " | " ")" for keystroke actions (and
// actions of an unknown type), "   [" the program's file name "]" for a program action, or "   " the
// command's name for a window command.
std::string entryCaption(std::string_view displayName, std::string_view typeText, std::string_view action);

// Every gesture of the program set, then of the global set, whose gesture string begins with `direction`,
// in list order.
std::vector<MenuEntry> helpEntries(Direction direction, const GestureSet& program, const GestureSet& global);
// For each suggested gesture in order, its entry from the program set and then from the global set, where
// the set has it.
std::vector<MenuEntry> suggestionEntries(const std::vector<std::string>& suggestions,
                                         const GestureSet& program, const GestureSet& global);

// "(" + display name + ") not found ": the disabled header of the suggestions menu.
std::string notFoundCaption(std::string_view drawnGesture);

// "New gesture UP+RIGHT for notepad.exe...", or "... for all programs..." when `program` is empty.
std::string newGestureCaption(std::string_view drawnGesture, std::string_view program);

// The whole menus: header, separator, entries, separator, "Close", and, for a known program in front, a
// separator and "Gestures off in " + its file name. The suggestions menu has the new-gesture items (for the
// program in front when it is known, then for all programs) and a separator before "Close".
std::vector<MenuItem> helpMenuItems(const std::vector<MenuEntry>& entries, std::string_view program = {});
std::vector<MenuItem> suggestionsMenuItems(std::string_view drawnGesture,
                                           const std::vector<MenuEntry>& entries,
                                           std::string_view program = {});

// The entry an id stands for; nullopt for the fixed items and unknown ids.
std::optional<std::size_t> entryIndexOfId(int id, std::size_t entryCount);

} // namespace flickmark
