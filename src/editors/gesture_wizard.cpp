#include "editors/gesture_wizard.h"

#include <algorithm>

namespace flickmark {

void GestureWizard::start(std::vector<std::string> existing, bool diagonalsEnabled) {
    existing_ = std::move(existing);
    editing_.reset();
    unknownType_.reset();
    unknownAction_.clear();
    if (!type_)
        type_ = ActionType::Keystroke;
    gesture_.setDiagonalsEnabled(diagonalsEnabled);
    enabled_.fill(true);
    page_ = WizardPage::Gesture;
    summary_.clear();
    result_ = {};
}

void GestureWizard::startNew(std::vector<std::string> existing, bool diagonalsEnabled,
                             std::string_view gesture) {
    start(std::move(existing), diagonalsEnabled);
    gesture_.clear();
    keystroke_.clear();
    list_.clear();
    command_.clear();
    if (gesture.empty() || !gesture_.setGesture(gesture))
        return;
    if (!refusal())
        page_ = WizardPage::ActionType;
}

std::vector<std::string> GestureWizard::startEdit(const GestureDefinition& current, EditStart from,
                                                  std::vector<std::string> existing, bool diagonalsEnabled) {
    start(std::move(existing), diagonalsEnabled);
    editing_ = current.gesture;
    gesture_.setGesture(current.gesture);
    type_ = current.type;
    keystroke_.clear();
    list_.clear();
    program_.clear();
    command_.clear();
    if (current.unknownType) {
        type_.reset();
        unknownType_ = current.unknownType;
        unknownAction_ = current.action;
        page_ = from == EditStart::Action ? WizardPage::ActionType : WizardPage::Gesture;
        return {};
    }

    std::vector<std::string> problems;
    const std::string owner = "Gesture " + current.gesture + ": the keystroke \"";
    switch (current.type) {
    case ActionType::Keystroke:
        if (!keystroke_.setKeystroke(current.action))
            problems.push_back(owner + current.action + "\" does not decode; it is kept as written");
        break;
    case ActionType::MultipleKeystrokes:
        for (const std::string& piece : list_.load(current.action))
            problems.push_back(owner + piece + "\" in its list does not decode; it is kept as written");
        break;
    case ActionType::RunProgram:
        program_.setAction(current.action);
        break;
    case ActionType::WindowCommand:
        // A name this version does not know comes as an unknown type, read-only.
        command_.setAction(current.action);
        break;
    }

    if (from == EditStart::Action) {
        page_ = WizardPage::ActionType;
        next();
    }
    return problems;
}

void GestureWizard::keepStoredAction() {
    if (unknownType_)
        type_.reset();
}

std::string GestureWizard::unknownTypeNote() const {
    if (!unknownType_)
        return {};
    std::string what;
    if (unknownType_->empty())
        what = "This gesture has no action type, so this version of Flickmark cannot edit its action.";
    else if (*unknownType_ == actionTypeText(ActionType::WindowCommand))
        what = "This version of Flickmark does not know the window command \"" + unknownAction_ + "\".";
    else
        what = "This version of Flickmark cannot edit actions of the type \"" + *unknownType_ + "\".";
    return what + " Keep it as stored, or choose a type above to replace it.";
}

bool GestureWizard::canGoBack() const {
    return page_ != WizardPage::Gesture;
}

bool GestureWizard::canGoNext() const {
    return page_ != WizardPage::Summary;
}

std::optional<std::string> GestureWizard::refusal() const {
    if (page_ == WizardPage::Gesture) {
        const std::string& gesture = gesture_.gesture();
        if (gesture.empty())
            return "Click the direction buttons to define the gesture.";
        const bool changed = !editing_ || *editing_ != gesture;
        if (changed && std::find(existing_.begin(), existing_.end(), gesture) != existing_.end())
            return "Cannot use " + gesture_.displayName() + ". Gesture already exists.";
    }
    if (page_ == WizardPage::Keystroke && keystroke_.fieldText().empty())
        return "Press the keystroke to send while the key field has the focus.";
    if (page_ == WizardPage::KeystrokeList && list_.entries().empty())
        return "Add at least one keystroke to the list, or choose one of the examples.";
    if (page_ == WizardPage::Program) {
        if (FieldCheck check = program_.checkForNext(); !check.ok)
            return std::move(check.message);
    }
    return std::nullopt;
}

std::optional<std::string> GestureWizard::next() {
    if (!canGoNext())
        return std::nullopt;
    if (auto message = refusal())
        return message;
    if (page_ == WizardPage::ActionType) {
        enabled_[index(WizardPage::Keystroke)] = type_ == ActionType::Keystroke;
        enabled_[index(WizardPage::KeystrokeList)] = type_ == ActionType::MultipleKeystrokes;
        enabled_[index(WizardPage::Program)] = type_ == ActionType::RunProgram;
        enabled_[index(WizardPage::WindowCommand)] = type_ == ActionType::WindowCommand;
    }
    for (std::size_t i = index(page_) + 1; i < kWizardPageCount; ++i) {
        if (enabled_[i]) {
            page_ = static_cast<WizardPage>(i);
            break;
        }
    }
    if (page_ == WizardPage::Summary)
        enterSummary();
    return std::nullopt;
}

void GestureWizard::back() {
    for (std::size_t i = index(page_); i-- > 0;) {
        if (enabled_[i]) {
            page_ = static_cast<WizardPage>(i);
            return;
        }
    }
}

void GestureWizard::enterSummary() {
    result_.gesture = gesture_.gesture();
    result_.type = type_.value_or(ActionType::Keystroke);
    result_.unknownType.reset();
    summary_ = {"Gesture:   ", "\t" + gesture_.displayName(), " "};
    if (!type_) {
        summary_.insert(summary_.end(),
                        {"Action type: ", "\t" + *unknownType_, " ", "Action: ", "\t" + unknownAction_});
        result_.unknownType = unknownType_;
        result_.action = unknownAction_;
        return;
    }
    switch (*type_) {
    case ActionType::Keystroke: {
        summary_.push_back("Keystroke: ");
        summary_.push_back("\t" + shownText(keystroke_.keystroke()));
        result_.action = keystroke_.encoded();
        break;
    }
    case ActionType::MultipleKeystrokes:
        for (const KeystrokeListEntry& entry : list_.entries()) {
            if (&entry == &list_.entries().front())
                summary_.push_back("Keystrokes: ");
            summary_.push_back("\t" + entry.caption);
        }
        summary_.push_back(" ");
        result_.action = list_.encoded();
        break;
    case ActionType::RunProgram:
        summary_.push_back("Program or File: ");
        summary_.push_back("\t" + program_.program());
        summary_.push_back(" ");
        if (!program_.parameters().empty()) {
            summary_.push_back("Parameters: ");
            summary_.push_back("\t" + program_.parameters());
        }
        result_.action = program_.actionText();
        break;
    case ActionType::WindowCommand:
        summary_.push_back("Command: ");
        summary_.push_back(
            "\t" + std::string(windowCommandName(command_.command().value_or(WindowCommand::Maximize))));
        result_.action = command_.actionText();
        break;
    }
}

std::optional<WizardResult> GestureWizard::finish() const {
    if (!canFinish() || result_.gesture.empty())
        return std::nullopt;
    WizardResult result{result_, std::nullopt};
    if (editing_ && *editing_ != result_.gesture)
        result.renamedFrom = editing_;
    return result;
}

} // namespace flickmark
