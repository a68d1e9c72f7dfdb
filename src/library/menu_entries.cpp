#include "library/menu_entries.h"

#include "actions/keystroke.h"
#include "gesture_sets/gesture_files.h"

#include <algorithm>

namespace flickmark {
namespace {

// The part of a path after its last folder separator.
std::string_view fileNamePart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// Where the two sets meet: a global gesture is overridden where the program's set has a non-empty action for
// it, as the lookup takes the program's then.
struct SetPair {
    const GestureSet& program;
    const GestureSet& global;
    bool isProgram(const GestureSet& set) const { return &set == &program && &program != &global; }
    bool overridden(const GestureSet& set, const std::string& gesture) const {
        return !isProgram(set) && &program != &global && !program.actions.value(gesture).empty();
    }
};

void addEntry(std::vector<MenuEntry>& entries, std::string displayName, const std::string& gesture,
              const GestureSet& set, const SetPair& sets) {
    if (sets.overridden(set, gesture))
        displayName += kOverriddenMark;
    entries.push_back({gesture,
                       entryCaption(displayName, set.types.value(gesture), set.actions.value(gesture)),
                       sets.isProgram(set)});
}

// The entries of one set for the gestures `wanted` accepts, in list order.
template <typename Wanted>
void addEntriesOf(std::vector<MenuEntry>& entries, const GestureSet& set, const SetPair& sets,
                  Wanted wanted) {
    for (const auto& [displayName, gesture] : set.names.entries())
        if (wanted(gesture))
            addEntry(entries, displayName, gesture, set, sets);
}

// The entry of one gesture from a set, if the set has it.
void addEntryFrom(std::vector<MenuEntry>& entries, const GestureSet& set, const SetPair& sets,
                  const std::string& gesture) {
    if (set.hasGesture(gesture))
        addEntry(entries, gestureDisplayName(gesture), gesture, set, sets);
}

constexpr std::string_view kForAllPrograms = "all programs";

MenuItem command(std::string_view caption, int id, int accessKey = -1) {
    return MenuItem{MenuItem::Kind::Command, std::string(caption), id, {}, accessKey};
}

MenuItem separator() {
    return MenuItem{MenuItem::Kind::Separator, {}, 0, {}};
}

MenuItem submenu(std::string_view caption, std::vector<MenuItem> items) {
    return MenuItem{MenuItem::Kind::Submenu, std::string(caption), 0, std::move(items), 0};
}

MenuItem disabled(std::string_view caption) {
    return MenuItem{MenuItem::Kind::Disabled, std::string(caption), 0, {}};
}

// With `program` captions (a program's entries present), each group of entries stands under its caption.
void appendEntries(std::vector<MenuItem>& items, const std::vector<MenuEntry>& entries,
                   std::optional<std::string_view> program = std::nullopt) {
    const bool grouped = program && std::any_of(entries.begin(), entries.end(),
                                                [](const MenuEntry& e) { return e.programSet; });
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (grouped && (i == 0 || entries[i - 1].programSet != entries[i].programSet))
            items.push_back(disabled(entries[i].programSet
                                         ? (program->empty() ? kUnknownProgramCaption : *program)
                                         : kAllProgramsCaption));
        items.push_back(command(entries[i].caption, kFirstEntryId + static_cast<int>(i)));
    }
    items.push_back(separator());
}

void appendClose(std::vector<MenuItem>& items, std::string_view program) {
    items.push_back(command(kCloseCaption, kCloseId, 0));
    if (program.empty())
        return;
    items.push_back(separator());
    items.push_back(command(std::string(kGesturesOffCaption) + std::string(program), kGesturesOffId, 0));
}

} // namespace

std::string entryCaption(std::string_view displayName, std::string_view typeText, std::string_view action) {
    std::string caption(displayName);
    caption += '\t';
    if (typeText == actionTypeText(ActionType::WindowCommand)) {
        caption += "   ";
        caption += actionDisplayText(typeText, action);
    } else if (actionTypeCode(typeText) == ActionType::RunProgram) {
        std::string rest(action);
        const std::string path = takeToken(rest, "|");
        caption += "   [";
        caption += fileNamePart(path);
        caption += ']';
    } else {
        caption += "   (";
        caption += keystrokeListDisplayText(action);
        caption += ')';
    }
    return caption;
}

std::vector<MenuEntry> helpEntries(Direction direction, const GestureSet& program, const GestureSet& global) {
    std::vector<MenuEntry> entries;
    if (!isDiagonal(direction) && !isCardinal(direction))
        return entries;
    const char digit = directionDigit(direction);
    const auto beginsWithDirection = [digit](const std::string& gesture) {
        return !gesture.empty() && gesture.front() == digit;
    };
    const SetPair sets{program, global};
    addEntriesOf(entries, program, sets, beginsWithDirection);
    addEntriesOf(entries, global, sets, beginsWithDirection);
    return entries;
}

std::vector<MenuEntry> suggestionEntries(const std::vector<std::string>& suggestions,
                                         const GestureSet& program, const GestureSet& global) {
    std::vector<MenuEntry> entries;
    const SetPair sets{program, global};
    for (const std::string& gesture : suggestions) {
        addEntryFrom(entries, program, sets, gesture);
        addEntryFrom(entries, global, sets, gesture);
    }
    return entries;
}

std::string notFoundCaption(std::string_view drawnGesture) {
    return "(" + gestureDisplayName(drawnGesture) + ") not found ";
}

std::vector<MenuItem> helpMenuItems(const std::vector<MenuEntry>& entries, std::string_view program) {
    std::vector<MenuItem> items;
    items.push_back(submenu(kHelpMenuTitle, {command(kHelpConfigureCaption, kConfigureId, 0)}));
    items.push_back(separator());
    appendEntries(items, entries, program);
    appendClose(items, program);
    return items;
}

std::string newGestureCaption(std::string_view drawnGesture, std::string_view program) {
    std::string caption = "New gesture " + gestureDisplayName(drawnGesture) + " for ";
    caption += program.empty() ? kForAllPrograms : program;
    return caption + "...";
}

std::vector<MenuItem> suggestionsMenuItems(std::string_view drawnGesture,
                                           const std::vector<MenuEntry>& entries, std::string_view program) {
    std::vector<MenuItem> items;
    items.push_back(submenu(kSuggestionsMenuTitle, {command(kSuggestionsConfigureCaption, kConfigureId, 0)}));
    items.push_back(MenuItem{MenuItem::Kind::Disabled, notFoundCaption(drawnGesture), 0, {}});
    items.push_back(separator());
    appendEntries(items, entries);
    if (!program.empty())
        items.push_back(command(newGestureCaption(drawnGesture, program), kNewForProgramId, 0));
    // The "a" of "all programs" is its access key, as "N" is the other's.
    const std::string forAll = newGestureCaption(drawnGesture, {});
    items.push_back(command(forAll, kNewForAllId, static_cast<int>(forAll.rfind(kForAllPrograms))));
    items.push_back(separator());
    appendClose(items, program);
    return items;
}

std::optional<std::size_t> entryIndexOfId(int id, std::size_t entryCount) {
    if (id < kFirstEntryId || static_cast<std::size_t>(id - kFirstEntryId) >= entryCount)
        return std::nullopt;
    return static_cast<std::size_t>(id - kFirstEntryId);
}

} // namespace flickmark
