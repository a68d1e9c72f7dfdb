#include "library/gesture_menus.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace flickmark {
namespace {

// A menu of a thousand gestures would otherwise put a line of many kilobytes into the log.
constexpr std::size_t kMaxLoggedCaptions = 40;

Point offset(Point p, Point by) {
    return {p.x + by.x, p.y + by.y};
}

// Our thread shares the input of the foreground program's thread while a menu is open, so the menu takes
// the keyboard although our program is in the background; the attachment ends with the scope.
class ForegroundInputShare {
public:
    ForegroundInputShare(ForegroundHandoff& foreground, WindowId window) : foreground_(foreground) {
        foreground_.attachForegroundInput(window);
    }
    ~ForegroundInputShare() { foreground_.detachForegroundInput(); }
    ForegroundInputShare(const ForegroundInputShare&) = delete;
    ForegroundInputShare& operator=(const ForegroundInputShare&) = delete;

private:
    ForegroundHandoff& foreground_;
};

} // namespace

GestureMenus::GestureMenus(const GestureMenusPorts& ports, std::function<void(const std::string&)> runQuietly)
    : ports_(ports), runQuietly_(std::move(runQuietly)) {
    ports_.helpConfigTimer.setEnabled(false);
    ports_.helpConfigTimer.setInterval(kHelpConfigDelayMs);
}

void GestureMenus::showHelp(Direction firstCode, const ProgramWindow& program) {
    const NestedLoopGuard guard(ports_.loops);
    program_ = program;
    entries_ = helpEntries(firstCode, ports_.store.lookupSet(), ports_.store.global());
    const std::string_view text = entries_.empty() ? kHelpNoMatchesText : kHelpMenuTitle;
    ports_.log.append("help " + std::string(directionUpperName(firstCode)) + ": " + std::string(text));

    ports_.popup.hide();
    ports_.popup.showText(text, offset(ports_.input.cursorPos(), kHelpTextOffset));
    const bool released = waitForRelease();
    ports_.popup.hide();
    if (entries_.empty())
        return;
    // The gesture in progress ends here: the first tick after the menu only forgets it.
    ports_.recognizer.requestReset();
    if (released)
        openMenu(MenuKind::Help, helpMenuItems(entries_, program_.exeName));
}

void GestureMenus::showSuggestions(const std::string& drawnGesture,
                                   const std::vector<std::string>& suggestions,
                                   const ProgramWindow& program) {
    const NestedLoopGuard guard(ports_.loops);
    program_ = program;
    drawnGesture_ = drawnGesture;
    entries_ = suggestionEntries(suggestions, ports_.store.lookupSet(), ports_.store.global());
    if (!entries_.empty())
        openMenu(MenuKind::Suggestions, suggestionsMenuItems(drawnGesture, entries_, program_.exeName));
}

bool GestureMenus::waitForRelease() {
    // The button is read from the system, so a release over any window ends the wait.
    while (ports_.input.gestureButtonDown()) {
        if (!ports_.recognizer.monitoringEnabled() || ports_.clock.programEnding())
            return false;
        ports_.clock.waitWithMessages(kReleasePollMs);
    }
    return ports_.recognizer.monitoringEnabled() && !ports_.clock.programEnding();
}

void GestureMenus::openMenu(MenuKind kind, const std::vector<MenuItem>& items) {
    logMenu(kind, items);
    // The release that ended the gesture opened the target program's context menu.
    ports_.contextMenus.dismissContextMenu();
    const WindowId target = ports_.foreground.targetWindow();
    std::optional<int> choice;
    {
        const ForegroundInputShare share(ports_.foreground, ports_.desktop.foregroundWindow());
        try {
            const std::int64_t openedAt = ports_.clock.nowMs();
            choice = trackAtCursor(items);
            // A menu closed because the program is ending stays closed.
            if (!choice && !ports_.clock.programEnding() &&
                ports_.clock.nowMs() - openedAt < kClosedAtOnceMs) {
                ports_.log.append("menu closed at once, shown again");
                logMenu(kind, items);
                choice = trackAtCursor(items);
            }
        } catch (const std::exception& e) {
            ports_.log.append(std::string("The menu could not be shown: ") + e.what());
            choice.reset();
        }
        // The program gets the foreground back from our menu, unless the user closed the menu by clicking
        // into another program, which keeps it.
        if (ports_.foreground.targetWindow() == target)
            ports_.foreground.bringToFront(target);
    }
    act(kind, choice);
}

std::optional<int> GestureMenus::trackAtCursor(const std::vector<MenuItem>& items) {
    return ports_.menu.track(items, offset(ports_.input.cursorPos(), kMenuOffset), this);
}

void GestureMenus::act(MenuKind kind, std::optional<int> choice) {
    if (!choice || *choice == kCloseId) {
        ports_.log.append("menu closed without a choice");
        return;
    }
    if (*choice == kGesturesOffId) {
        ports_.log.append("menu choice Gestures off in " + program_.exeName);
        ports_.programLists.setListed(ProgramListKind::GesturesOff, program_, true);
        return;
    }
    if (*choice == kNewForProgramId || *choice == kNewForAllId) {
        const std::string program = *choice == kNewForProgramId ? program_.exeName : std::string();
        ports_.log.append("menu choice " + newGestureCaption(drawnGesture_, program));
        ports_.creation.createGesture(drawnGesture_, program);
        return;
    }
    if (*choice == kConfigureId) {
        ports_.log.append("menu choice Configure");
        if (kind == MenuKind::Help) {
            ports_.helpConfigTimer.setEnabled(false);
            ports_.helpConfigTimer.setEnabled(true);
        } else {
            ports_.configuration.openConfiguration(kDiagonalsPage);
        }
        return;
    }
    const auto index = entryIndexOfId(*choice, entries_.size());
    if (!index)
        return;
    const std::string gesture = entries_[*index].gesture;
    ports_.log.append("menu choice " + gesture);
    ports_.clock.waitWithMessages(kRunDelayMs);
    runQuietly_(gesture);
}

void GestureMenus::onHelpConfigTimer() {
    ports_.helpConfigTimer.setEnabled(false);
    ports_.configuration.openConfiguration(kHelpPopupPage);
}

void GestureMenus::logMenu(MenuKind kind, const std::vector<MenuItem>& items) {
    // The suggestions menu names the drawn gesture in its disabled header.
    std::string line = kind == MenuKind::Help ? "help menu:" : "suggestions menu";
    if (kind == MenuKind::Suggestions)
        for (const MenuItem& item : items)
            if (item.kind == MenuItem::Kind::Disabled)
                line += " \"" + item.caption + "\":";
    const std::size_t logged = std::min(entries_.size(), kMaxLoggedCaptions);
    for (std::size_t i = 0; i < logged; ++i)
        line += " \"" + entries_[i].caption + "\"";
    if (logged < entries_.size())
        line += " and " + std::to_string(entries_.size() - logged) + " more";
    ports_.log.append(line);
}

void GestureMenus::highlighted(int id, Rect item) {
    if (!preview_)
        return;
    if (const auto index = entryIndexOfId(id, entries_.size()))
        preview_->showPreview(entries_[*index].gesture, item);
    else
        preview_->hidePreview();
}

void GestureMenus::menuClosed() {
    if (preview_)
        preview_->hidePreview();
}

} // namespace flickmark
