#include "library/gestures_window_model.h"

#include "base/ascii_text.h"
#include "base/direction.h"
#include "base/path_lines.h"
#include "gesture_sets/gesture_files.h"

#include <utility>

namespace flickmark {

std::vector<GestureRow> gestureRows(const GestureSet& set) {
    std::vector<GestureRow> rows;
    rows.reserve(set.names.size());
    for (const auto& [name, gesture] : set.names.entries()) {
        std::string type = set.types.value(gesture);
        // A type this version cannot run shows its action as stored.
        std::string action = isKnownActionType(type) ? actionDisplayText(type, set.actions.value(gesture))
                                                     : set.storedAction(gesture);
        rows.push_back({gesture, name, actionTypeName(type), std::move(action)});
    }
    return rows;
}

GesturesWindowModel::GesturesWindowModel(GestureLibraryStore& store) : store_(store) {
    items_.push_back({std::string(kGlobalGestureFileName), true});
    load(items_.front().fileName);
}

void GesturesWindowModel::refreshSelector(const std::vector<std::string>& programNames) {
    const std::string shownFile = store_.shownSet().fileName;
    addSetSelectorItems(items_, store_.listProgramFiles(), programNames);
    // The global item may have been put in front of the others.
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].fileName == shownFile)
            selected_ = i;
}

std::string GesturesWindowModel::hint() const {
    return setSelectorHint(items_[selected_].fileName);
}

void GesturesWindowModel::reload() {
    if (!edited_)
        load(items_[selected_].fileName);
}

ShownSetSave GesturesWindowModel::selectSetOf(const std::string& program) {
    refreshSelector(program.empty() ? std::vector<std::string>{} : std::vector{program});
    const std::string file = program.empty() ? std::string(kGlobalGestureFileName) : programFileName(program);
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (equalsIgnoringAsciiCase(items_[i].fileName, file))
            return select(i);
    return {};
}

ShownSetSave GesturesWindowModel::select(std::size_t index) {
    if (index >= items_.size() || index == selected_)
        return {};
    ShownSetSave saved = saveShown();
    selected_ = index;
    load(items_[selected_].fileName);
    return saved;
}

ShownSetSave GesturesWindowModel::save() {
    return saveShown();
}

void GesturesWindowModel::saveForExit() {
    if (edited_)
        unsaved_.insert_or_assign(store_.shownSet().fileName, store_.shownSet());
    edited_ = false;
    // One attempt each: a refusal is in the log, and nothing more can be done for it.
    for (const auto& [fileName, set] : unsaved_)
        store_.saveSet(set);
    unsaved_.clear();
}

void GesturesWindowModel::removeRow(std::size_t row) {
    if (row >= rows_.size())
        return;
    store_.shownSet().removeGesture(rows_[row].gesture);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    edited_ = true;
}

std::optional<GestureDefinition> GesturesWindowModel::definitionOfRow(std::size_t row) const {
    if (row >= rows_.size())
        return std::nullopt;
    return definitionOf(rows_[row].gesture);
}

std::optional<GestureDefinition> GesturesWindowModel::definitionOf(const std::string& gesture) const {
    const GestureSet& set = store_.shownSet();
    if (!set.hasGesture(gesture))
        return std::nullopt;
    GestureDefinition definition{gesture, ActionType::Keystroke, set.storedAction(gesture), std::nullopt};
    const std::string typeText = set.types.value(gesture);
    if (isEditableAction(typeText, definition.action))
        definition.type = actionTypeCode(typeText);
    else
        definition.unknownType = typeText;
    return definition;
}

bool GesturesWindowModel::changes(const GestureDefinition& definition, const std::string& replaced) const {
    return definitionOf(replaced) != definition;
}

std::size_t GesturesWindowModel::rowOf(const std::string& gesture) const {
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].gesture == gesture)
            return row;
    return rows_.size();
}

std::size_t GesturesWindowModel::storeGesture(const GestureDefinition& definition,
                                              const std::string* replaced) {
    GestureSet& set = store_.shownSet();
    if (replaced && !changes(definition, *replaced))
        return rowOf(*replaced);
    if (replaced && *replaced != definition.gesture && set.hasGesture(*replaced)) {
        // The editors never hand back another existing gesture; should one come, it takes the new action.
        if (!set.renameGesture(*replaced, definition.gesture))
            set.removeGesture(*replaced);
    }
    // A gesture edited from an unknown type into a known one gets the new type's action in place of the
    // stored one, even when the new action is empty.
    set.storeGesture(definition.gesture,
                     definition.unknownType ? *definition.unknownType : actionTypeText(definition.type),
                     definition.action);
    edited_ = true;
    rows_ = gestureRows(set);
    return rowOf(definition.gesture);
}

ShownSetSave GesturesWindowModel::saveShown() {
    if (!edited_)
        return {};
    const GestureSet& set = store_.shownSet();
    if (store_.saveShownSet()) {
        edited_ = false;
        unsaved_.erase(set.fileName);
        return {};
    }
    // Kept for the next save; the shown set is replaced only by load(), which takes it back from here.
    unsaved_.insert_or_assign(set.fileName, set);
    return {false, warningFor(set)};
}

void GesturesWindowModel::load(const std::string& fileName) {
    const auto kept = unsaved_.find(fileName);
    if (kept != unsaved_.end()) {
        store_.showSet(std::move(kept->second));
        unsaved_.erase(kept);
        edited_ = true;
    } else {
        store_.loadShownSet(fileName);
        edited_ = false;
    }
    rows_ = gestureRows(store_.shownSet());
}

GestureSet GesturesWindowModel::copyTarget(const std::string& fileName) const {
    const auto kept = unsaved_.find(fileName);
    return kept != unsaved_.end() ? kept->second : store_.loadSet(fileName);
}

CopyOutcome GesturesWindowModel::storeCopy(GestureSet target, const TransferPlan& plan, TransferMode mode,
                                           const std::vector<bool>& takeSource) {
    CopyOutcome outcome;
    outcome.changed = applyTransfer(plan, mode, takeSource, target);
    if (outcome.changed == 0 && !unsaved_.contains(target.fileName))
        return outcome;
    if (store_.saveSet(target)) {
        unsaved_.erase(target.fileName);
        return outcome;
    }
    outcome.saved = false;
    outcome.message = refusedSaveText(target) + "Nothing was copied.";
    return outcome;
}

// The file's whole path on a line of its own, as the configuration window says it: a message box wraps a
// long path there without cutting it.
std::string GesturesWindowModel::refusedSaveText(const GestureSet& set) const {
    const std::string path = pathInLines(store_.dataFolder() + set.fileName);
    if (set.fileUnreadable)
        return "The gestures could not be read from this file, so Flickmark did not save over it:\n\n" +
               path + "\n\n";
    return "The gestures could not be saved to this file:\n\n" + path + "\n\n";
}

std::string GesturesWindowModel::warningFor(const GestureSet& set) {
    if (!warnedFiles_.insert(set.fileName).second)
        return {};
    if (set.fileUnreadable)
        return refusedSaveText(set) + "Your changes are kept while Flickmark runs.";
    return refusedSaveText(set) + "The file keeps its old contents. Your changes are kept while Flickmark "
                                  "runs and are saved again when "
                                  "you close this window or choose another set.";
}

} // namespace flickmark
