// The gesture wizard's page flow: a new gesture, or a change to an existing one, page by page, from the
// direction buttons over the action type and its editor to a summary; Finish hands the result back.
//
// Pages that do not belong to the chosen action type are disabled and skipped. The gesture is checked when
// leaving the gesture page: it must not be empty, and a gesture that differs from the one being edited
// must not already exist in the set.
//
// What the user does not change is handed back exactly as it was stored. A gesture whose action type this
// version does not know keeps its stored type and action, shown read-only on the action type page, unless
// the user chooses one of the known types for it.
#pragma once

#include "editors/gesture_edit.h"
#include "editors/keystroke_edit.h"
#include "editors/keystroke_list_edit.h"
#include "editors/program_edit.h"
#include "editors/window_command_edit.h"
#include "gesture_sets/gesture_editing.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

enum class WizardPage {
    Gesture = 0,
    ActionType = 1,
    Keystroke = 2,
    KeystrokeList = 3,
    Program = 4,
    WindowCommand = 5,
    Summary = 6,
};
inline constexpr std::size_t kWizardPageCount = 7;

struct WizardResult {
    GestureDefinition definition;
    // The gesture that was edited, when the result carries another one: the caller removes it.
    std::optional<std::string> renamedFrom;

    friend bool operator==(const WizardResult&, const WizardResult&) = default;
};

class GestureWizard {
public:
    // A new gesture, starting on the gesture page with the direction buttons, the keystroke and the list
    // cleared; the action type and the program are those of the previous run. `existing` holds the gesture
    // strings of the shown set. With a `gesture` chosen already (a gesture that was not found), the wizard
    // starts on the action type page with it, unless the set has it or the buttons cannot show it: then on
    // the gesture page, which says why when Next is clicked.
    void startNew(std::vector<std::string> existing, bool diagonalsEnabled, std::string_view gesture = {});
    // A change to `current`, starting on the gesture page or on the editor of its action type (the action
    // type page for an unknown type). The action is loaded into the editor of its type and the other editors
    // start empty. Returns one line for each stored keystroke that does not decode, for the caller to log;
    // it stays as written.
    std::vector<std::string> startEdit(const GestureDefinition& current, EditStart from,
                                       std::vector<std::string> existing, bool diagonalsEnabled);

    // The editors the pages show.
    GestureEdit& gestureEditor() { return gesture_; }
    KeystrokeEdit& keystrokeEdit() { return keystroke_; }
    KeystrokeListEdit& keystrokeListEditor() { return list_; }
    ProgramEdit& programEditor() { return program_; }
    WindowCommandEdit& windowCommandEditor() { return command_; }

    // The action type page's radio buttons; nothing while the stored action of an unknown type is kept.
    std::optional<ActionType> actionType() const { return type_; }
    void selectActionType(ActionType type) { type_ = type; }
    // Goes back to keeping the stored action of an unknown type; nothing happens for a known one.
    void keepStoredAction();
    // While a gesture of an unknown type is edited: its stored type, its stored action, and a line for the
    // user that this version cannot edit it.
    const std::optional<std::string>& unknownType() const { return unknownType_; }
    const std::string& unknownAction() const { return unknownAction_; }
    std::string unknownTypeNote() const;

    WizardPage page() const { return page_; }
    bool pageEnabled(WizardPage page) const { return enabled_[index(page)]; }
    bool editMode() const { return editing_.has_value(); }
    bool canGoBack() const;
    bool canGoNext() const;
    bool canFinish() const { return page_ == WizardPage::Summary; }

    // Moves to the next enabled page. When the current page's content cannot be taken, the page stays and
    // the message for the user is returned.
    std::optional<std::string> next();
    // Moves to the nearest enabled page before the current one.
    void back();
    // On the summary page: the gesture and action it shows. Nothing on any other page.
    std::optional<WizardResult> finish() const;

    // The summary page's lines, built when the page is entered.
    const std::vector<std::string>& summary() const { return summary_; }

private:
    static std::size_t index(WizardPage page) { return static_cast<std::size_t>(page); }
    void start(std::vector<std::string> existing, bool diagonalsEnabled);
    std::optional<std::string> refusal() const;
    void enterSummary();

    GestureEdit gesture_;
    KeystrokeEdit keystroke_;
    KeystrokeListEdit list_;
    ProgramEdit program_;
    WindowCommandEdit command_;
    std::optional<ActionType> type_ = ActionType::Keystroke;
    std::optional<std::string> unknownType_;
    std::string unknownAction_;

    WizardPage page_ = WizardPage::Gesture;
    std::array<bool, kWizardPageCount> enabled_{};
    std::vector<std::string> existing_;
    std::optional<std::string> editing_; // the gesture being edited
    std::vector<std::string> summary_;
    GestureDefinition result_;
};

} // namespace flickmark
