#include "library/gesture_dispatcher.h"

#include "actions/keystroke.h"
#include "base/direction.h"
#include "gesture_sets/gesture_files.h"
#include "library/near_gestures.h"

namespace flickmark {
namespace {

constexpr int kShortWaitMs = 50;
constexpr int kPlainLookupWaitMs = 200;
constexpr int kPopupOffsetX = 11;

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty())
            text += ' ';
        text += item;
    }
    return text;
}

} // namespace

GestureDispatcher::GestureDispatcher(const DispatcherPorts& ports) : ports_(ports) {
    ports_.closePopupTimer.setEnabled(false);
    ports_.closePopupTimer.setInterval(kNamePopupMilliseconds);
}

void GestureDispatcher::chooseSets() {
    const WindowId window = ports_.desktop.foregroundWindow();
    lookupProgram_ = {};
    if (window != 0)
        lookupProgram_ = {ports_.desktop.processNameOfWindow(window), ports_.desktop.windowClassName(window)};
    ports_.store.loadLookupSet(programFileName(lookupProgram_.exeName));
}

bool GestureDispatcher::foundInSets(const std::string& gesture) const {
    return ports_.store.lookupSet().hasGesture(gesture) || ports_.store.global().hasGesture(gesture);
}

void GestureDispatcher::showNamePopup(const std::string& displayName) {
    Point at = ports_.input.cursorPos();
    at.x += kPopupOffsetX;
    ports_.namePopup.showText(displayName + "  ", at);
    ports_.closePopupTimer.setEnabled(false);
    ports_.closePopupTimer.setEnabled(true);
}

void GestureDispatcher::onClosePopupTimer() {
    ports_.closePopupTimer.setEnabled(false);
    ports_.namePopup.hide();
}

void GestureDispatcher::bringTargetToFront() {
    const WindowId target = ports_.foreground.targetWindow();
    const bool changesForeground = target != 0 && target != ports_.desktop.foregroundWindow();
    if (ports_.foreground.bringToFront(target) && changesForeground)
        handedOverAtMs_ = ports_.clock.nowMs();
}

void GestureDispatcher::letHandOffSettle() {
    if (!handedOverAtMs_)
        return;
    const std::int64_t left = *handedOverAtMs_ + kHandOffSettleMilliseconds - ports_.clock.nowMs();
    handedOverAtMs_.reset();
    if (left > 0)
        ports_.clock.pause(static_cast<int>(left));
}

bool GestureDispatcher::execute(const std::string& gesture) {
    // The keystrokes follow at once: the menu is closed when dismissContextMenu returns, and a target that
    // is already in front needs no time to take the focus.
    ports_.menus.dismissContextMenu();
    bringTargetToFront();

    const GestureSet& program = ports_.store.lookupSet();
    const GestureSet& source = !program.actions.value(gesture).empty() ? program : ports_.store.global();
    if (!source.hasGesture(gesture) && !program.hasGesture(gesture))
        return false;
    const std::string typeText = source.types.value(gesture);
    const std::string action = source.actions.value(gesture);
    actionHeld_ = false;

    if (typeText == actionTypeText(ActionType::WindowCommand)) {
        if (listener_)
            listener_->ranWindowCommand(gesture, actionDisplayText(typeText, action));
        actionHeld_ = !ports_.windowCommands.run(action, pressWindow_);
        return true;
    }
    if (actionTypeCode(typeText) == ActionType::RunProgram) {
        ports_.log.append("run program " + action);
        if (listener_)
            listener_->ranProgram(gesture, action);
        ports_.programs.runProgramAction(action);
        return true;
    }
    const std::string display = actionDisplayText(actionTypeText(ActionType::MultipleKeystrokes), action);
    if (listener_)
        listener_->ranKeystrokes(gesture, display);
    if (!ports_.keyTargets.keysReach(ports_.desktop.foregroundWindow(), display)) {
        actionHeld_ = true;
        return true;
    }
    ports_.log.append("run keystrokes " + display);
    letHandOffSettle();
    if (ports_.keystrokes.sendKeystrokeList(action) == KeystrokeListResult::Malformed)
        ports_.log.append("Gesture " + gesture + " (" + gestureDisplayName(gesture) +
                          ") not run: malformed keystroke text \"" + action + "\"");
    return true;
}

LookupOutcome GestureDispatcher::runGesture(const std::string& gesture, bool quiet) {
    const std::string displayName = gestureDisplayName(gesture);
    ports_.log.append("gesture " + gesture + " " + displayName);
    chooseSets();
    const bool scratchpadWasVisible = ports_.scratchpad.visible();

    const bool ran = foundInSets(gesture) && execute(gesture);
    if (!ran) {
        ports_.log.append("no gesture " + gesture + " for this program");
        if (listener_)
            listener_->noMatch(gesture);
    }
    if (ran && !quiet && !actionHeld_)
        showNamePopup(displayName);
    ports_.clock.waitWithMessages(kPlainLookupWaitMs);
    ports_.scratchpad.setVisible(scratchpadWasVisible);
    return LookupOutcome{
        ran ? LookupOutcome::Kind::Ran : LookupOutcome::Kind::NotFound, gesture, {}, lookupProgram_};
}

LookupOutcome GestureDispatcher::lookup(const FinishedGesture& gesture, const BeforeEnd& beforeEnd) {
    pressWindow_ = gesture.pressWindow;
    if (options_.diagonals)
        return lookupAndRun(gesture.codes, gesture.strokeAngles, beforeEnd);
    return runGesture(gesture.codes, false);
}

LookupOutcome GestureDispatcher::lookupAndRun(const std::string& gesture,
                                              const std::optional<std::vector<int>>& strokeAngles,
                                              const BeforeEnd& beforeEnd) {
    const std::string displayName = gestureDisplayName(gesture);
    ports_.log.append("gesture " + gesture + " " + displayName);
    chooseSets();
    const bool scratchpadWasVisible = ports_.scratchpad.visible();
    bringTargetToFront();
    lastSuggestions_.clear();

    LookupOutcome outcome = decide(gesture, strokeAngles);
    if (outcome.kind == LookupOutcome::Kind::Ran && !actionHeld_) {
        ports_.clock.waitWithMessages(kShortWaitMs);
        showNamePopup(displayName);
    }
    if (beforeEnd)
        beforeEnd(outcome);
    // Every lookup ends the same way: a moment for the target, then the scratchpad as it was.
    ports_.clock.waitWithMessages(kShortWaitMs);
    ports_.scratchpad.setVisible(scratchpadWasVisible);
    return outcome;
}

LookupOutcome GestureDispatcher::decide(const std::string& gesture,
                                        const std::optional<std::vector<int>>& strokeAngles) {
    LookupOutcome outcome{LookupOutcome::Kind::NotFound, gesture, {}, lookupProgram_};
    const auto notFound = [&] {
        ports_.log.append("no gesture " + gesture + " for this program");
        if (listener_)
            listener_->noMatch(gesture);
        return outcome;
    };
    if (foundInSets(gesture) && execute(gesture)) {
        outcome.kind = LookupOutcome::Kind::Ran;
        return outcome;
    }
    if (!options_.suggestions)
        return notFound();

    const GestureList program = ports_.store.lookupSet().gestureStrings();
    const GestureList global = ports_.store.global().gestureStrings();
    NearCandidates candidates = collectNearGestures(gesture, program, global);

    if (options_.corrections && strokeAngles) {
        const auto strokeAngle = [&angles = *strokeAngles](std::size_t index) {
            return index < angles.size() ? angles[index] : 0;
        };
        if (const auto corrected = findCorrection(gesture, candidates, strokeAngle)) {
            ports_.log.append("corrected " + gesture + " to " + *corrected);
            execute(*corrected);
            outcome.kind = LookupOutcome::Kind::Ran;
            return outcome;
        }
    }

    addOneOffGestures(gesture, program, global, candidates);
    lastSuggestions_ = candidates.ordered();
    if (lastSuggestions_.empty())
        return notFound();
    ports_.log.append("suggestions for " + gesture + ": " + joined(lastSuggestions_));
    if (listener_)
        listener_->suggested(gesture, lastSuggestions_);
    outcome.kind = LookupOutcome::Kind::Suggestions;
    outcome.suggestions = lastSuggestions_;
    return outcome;
}

ProgramWindow GestureDispatcher::prepareHelp(WindowId pressWindow) {
    pressWindow_ = pressWindow;
    chooseSets();
    // The help text takes the popup: a gesture name still shown from the last gesture goes now.
    onClosePopupTimer();
    return lookupProgram_;
}

} // namespace flickmark
