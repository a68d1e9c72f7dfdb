#include "library/gesture_dispatcher.h"

#include "actions/keystroke.h"
#include "base/direction.h"
#include "gesture_sets/gesture_files.h"
#include "library/gesture_menus.h"
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
    if (!ports_.keyTargets.keysReach(ports_.desktop.foregroundWindow(), display))
        return true;
    ports_.log.append("run keystrokes " + display);
    letHandOffSettle();
    if (ports_.keystrokes.sendKeystrokeList(action) == KeystrokeListResult::Malformed)
        ports_.log.append("Gesture " + gesture + " (" + gestureDisplayName(gesture) +
                          ") not run: malformed keystroke text \"" + action + "\"");
    return true;
}

void GestureDispatcher::runGesture(const std::string& gesture, bool quiet) {
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
    if (ran && !quiet)
        showNamePopup(displayName);
    ports_.clock.waitWithMessages(kPlainLookupWaitMs);
    ports_.scratchpad.setVisible(scratchpadWasVisible);
}

void GestureDispatcher::gestureFinished(const FinishedGesture& gesture) {
    if (options_.diagonals)
        lookupAndRun(gesture.codes, gesture.strokeAngles);
    else
        runGesture(gesture.codes, false);
}

void GestureDispatcher::lookupAndRun(const std::string& gesture,
                                     const std::optional<std::vector<int>>& strokeAngles) {
    const std::string displayName = gestureDisplayName(gesture);
    ports_.log.append("gesture " + gesture + " " + displayName);
    chooseSets();
    const bool scratchpadWasVisible = ports_.scratchpad.visible();
    bringTargetToFront();
    lastSuggestions_.clear();

    auto finish = [&](int waitMs) {
        ports_.clock.waitWithMessages(waitMs);
        ports_.scratchpad.setVisible(scratchpadWasVisible);
    };

    if (foundInSets(gesture) && execute(gesture)) {
        ports_.clock.waitWithMessages(kShortWaitMs);
        showNamePopup(displayName);
        finish(kShortWaitMs);
        return;
    }
    if (!options_.suggestions) {
        ports_.log.append("no gesture " + gesture + " for this program");
        if (listener_)
            listener_->noMatch(gesture);
        finish(kShortWaitMs);
        return;
    }

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
            ports_.clock.waitWithMessages(kShortWaitMs);
            showNamePopup(displayName);
            // Unlike the other exits, nothing would give the scratchpad back here; do it for consistency.
            ports_.scratchpad.setVisible(scratchpadWasVisible);
            return;
        }
    }

    addOneOffGestures(gesture, program, global, candidates);
    lastSuggestions_ = candidates.ordered();
    if (lastSuggestions_.empty()) {
        ports_.log.append("no gesture " + gesture + " for this program");
        if (listener_)
            listener_->noMatch(gesture);
    } else {
        ports_.log.append("suggestions for " + gesture + ": " + joined(lastSuggestions_));
        if (listener_)
            listener_->suggested(gesture, lastSuggestions_);
        if (menus_)
            menus_->showSuggestions(gesture, lastSuggestions_, lookupProgram_);
    }
    ports_.clock.waitWithMessages(kShortWaitMs);
    ports_.scratchpad.setVisible(scratchpadWasVisible);
}

void GestureDispatcher::showHelp(Direction firstCode) {
    if (!menus_) {
        ports_.log.append("help " + std::to_string(toIndex(firstCode)));
        return;
    }
    chooseSets();
    // The help text takes the popup: a gesture name still shown from the last gesture goes now.
    onClosePopupTimer();
    menus_->showHelp(firstCode, lookupProgram_);
}

} // namespace flickmark
