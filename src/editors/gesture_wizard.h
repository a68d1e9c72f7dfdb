// The gesture wizard's page flow: a new gesture, or a change to an existing one, page by page, from the
// direction buttons over the action type and its editor to a summary; Finish hands the result back.
//
// Pages that do not belong to the chosen action type are disabled and skipped. The gesture is checked when
// leaving the gesture page: it must not be empty, and a gesture that differs from the one being edited
// must not already exist in the set.
#pragma once

#include "editors/gesture_edit.h"
#include "editors/keystroke_edit.h"
#include "editors/keystroke_list_edit.h"
#include "editors/program_edit.h"
#include "library/gesture_editing.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

enum class WizardPage {
    Gesture = 0,
    ActionType = 1,
    Keystroke = 2,
    KeystrokeList = 3,
    Program = 4,
    Summary = 5,
};
inline constexpr std::size_t kWizardPageCount = 6;

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
    // strings of the shown set.
    void startNew(std::vector<std::string> existing, bool diagonalsEnabled);
    // A change to `current`, starting on the gesture page or on the editor of its action type. The action
    // is loaded into the editor of its type and the other editors start empty. Returns one line for each
    // stored keystroke that does not decode, for the caller to log: a single keystroke then starts empty,
    // a piece of a list stays in it as written.
    std::vector<std::string> startEdit(const GestureDefinition& current, EditStart from,
                                       std::vector<std::string> existing, bool diagonalsEnabled);

    // The editors the pages show.
    GestureEdit& gestureEditor() { return gesture_; }
    KeystrokeEdit& keystrokeEditor() { return keystroke_; }
    KeystrokeListEdit& keystrokeListEditor() { return list_; }
    ProgramEdit& programEditor() { return program_; }

    // The action type page's radio buttons.
    ActionType actionType() const { return type_; }
    void selectActionType(ActionType type) { type_ = type; }

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
    ActionType type_ = ActionType::Keystroke;

    WizardPage page_ = WizardPage::Gesture;
    std::array<bool, kWizardPageCount> enabled_{};
    std::vector<std::string> existing_;
    std::optional<std::string> editing_; // the gesture being edited
    std::vector<std::string> summary_;
    GestureDefinition result_;
};

} // namespace flickmark
