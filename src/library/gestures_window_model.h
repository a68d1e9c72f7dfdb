// What the gestures window shows and does, without the window: the set selector's items, the rows of the
// shown set, deleting gestures, and when the shown set is saved.
//
// The shown set is saved only when it was edited since it was loaded, so that opening, switching and
// closing leave every file as it is, and a program's set that never had a file gets none. A save the
// system refuses keeps the old file; the edited set is then kept in memory, shown again when its item is
// chosen, and saved again at the next occasion, so no edit is lost while the program runs.
#pragma once

#include "gesture_sets/gesture_editing.h"
#include "gesture_sets/gesture_library_store.h"
#include "gesture_sets/set_transfer.h"
#include "library/gesture_set_selector.h"

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace flickmark {

// One row of the gesture list.
struct GestureRow {
    std::string gesture; // the gesture string, not shown
    std::string name;    // column "Gesture": the display name, "UP+RIGHT"
    std::string type;    // column "Action Type": the type's name (actionTypeName)
    std::string action;  // column "Action": the action's display text

    friend bool operator==(const GestureRow&, const GestureRow&) = default;
};

// The rows of a set, in its order.
std::vector<GestureRow> gestureRows(const GestureSet& set);

// The end of a copy into another set.
struct CopyOutcome {
    std::size_t changed = 0; // gestures added, replaced or removed
    bool saved = true;
    std::string message; // for the user when the write was refused: nothing was copied
};

// The end of a save of the shown set.
struct ShownSetSave {
    bool saved = true;
    // When the save was refused and the user has not been told about that file yet: what to tell them.
    std::string warning;
};

class GesturesWindowModel {
public:
    // Loads "Gestures.ini" as the shown set. The store must outlive the model.
    explicit GesturesWindowModel(GestureLibraryStore& store);

    const std::vector<SetSelectorItem>& selectorItems() const { return items_; }
    std::size_t selectedItem() const { return selected_; }
    // Adds the data folder's gesture files and the files of `programNames` (openProgramNames) that are
    // missing; the items already there keep their places.
    void refreshSelector(const std::vector<std::string>& programNames);
    // The hint of the selected item.
    std::string hint() const;

    const GestureSet& shownSet() const { return store_.shownSet(); }
    const std::vector<GestureRow>& rows() const { return rows_; }
    bool edited() const { return edited_; }

    // The window is shown: loads the selected item's file again, so changes made to it meanwhile show. A
    // set with edits that could not be saved stays as it is (it is saved when the window closes or another
    // set is chosen).
    void reload();
    // Saves the shown set and loads the set of item `index`; nothing happens when it is already shown or
    // there is no such item.
    ShownSetSave select(std::size_t index);
    // Saves the shown set and shows the set of `program` (an executable name; empty for the global set),
    // adding its item when the selector lacks it. Nothing is saved or read when that set is shown already.
    ShownSetSave selectSetOf(const std::string& program);
    // Saves the shown set (the window closes).
    ShownSetSave save();
    // The program ends: saves the shown set and every set kept after a refused save, once each. Never asks
    // to tell the user (a message would hold up the end); refusals are in the log.
    void saveForExit();

    // Copying from the shown set: the set `fileName` as a copy finds it (an edited set kept after a refused
    // save is that one, with its edits).
    GestureSet copyTarget(const std::string& fileName) const;
    // Applies the plan to `target` (from copyTarget) and saves it. A refused write changes nothing: the file
    // stays, and so does any kept set.
    CopyOutcome storeCopy(GestureSet target, const TransferPlan& plan, TransferMode mode,
                          const std::vector<bool>& takeSource);

    // Removes the gesture of a row from the shown set; no effect for a row that does not exist.
    void removeRow(std::size_t row);
    // The gesture of a row as the editors start from it, its action exactly as stored; nothing for a row
    // that does not exist.
    std::optional<GestureDefinition> definitionOfRow(std::size_t row) const;
    // Whether storing `definition` in place of `replaced` would change the set.
    bool changes(const GestureDefinition& definition, const std::string& replaced) const;
    // Stores a gesture the editors made and returns its row. A new gesture is appended. `replaced` is the
    // gesture it was made from: its row keeps its place; when the gesture string changed, only the header
    // of its section changes; of its keys only those whose texts changed are rewritten. A definition equal
    // to the one stored changes nothing, so nothing is saved for it.
    std::size_t storeGesture(const GestureDefinition& definition, const std::string* replaced = nullptr);

private:
    std::optional<GestureDefinition> definitionOf(const std::string& gesture) const;
    std::size_t rowOf(const std::string& gesture) const;
    ShownSetSave saveShown();
    void load(const std::string& fileName);
    std::string warningFor(const GestureSet& set);
    // The opening of a refused save's message: what happened, and the file's path on a line of its own.
    std::string refusedSaveText(const GestureSet& set) const;

    GestureLibraryStore& store_;
    std::vector<SetSelectorItem> items_;
    std::size_t selected_ = 0;
    std::vector<GestureRow> rows_;
    bool edited_ = false;
    // Edited sets whose save was refused, by file name, until a save succeeds.
    std::map<std::string, GestureSet> unsaved_;
    // Files the user has been told about once this session.
    std::set<std::string> warnedFiles_;
};

} // namespace flickmark
