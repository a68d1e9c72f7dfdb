// Lookup and dispatch: a finished gesture is looked up in the foreground program's set, then in the global
// set, and its action runs in that program. With diagonals enabled the full lookup also tries near
// gestures: one may run by auto-correction, or they are offered as suggestions. A lookup returns what it
// found; what follows it (a menu of the suggestions, the help menu) is the caller's (gesture_handling.h).
#pragma once

#include "actions/foreground_handoff.h"
#include "actions/key_target_check.h"
#include "actions/keystroke_sender.h"
#include "actions/launch.h"
#include "actions/window_command_runner.h"
#include "base/diagnostic_log.h"
#include "gesture_sets/gesture_library_store.h"
#include "library/scratchpad_visibility.h"
#include "library/text_popup.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/input.h"
#include "platform/menus.h"
#include "platform/timer.h"
#include "recognizer/gesture_outlet.h"
#include "settings/program_list_entry.h"

#include <functional>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

struct DispatcherPorts {
    Desktop& desktop;
    Input& input;
    Clock& clock;
    Timer& closePopupTimer; // hides the gesture-name popup after 500 ms
    TextPopup& namePopup;
    ContextMenuDismisser& menus;
    ScratchpadVisibility& scratchpad;
    ForegroundHandoff& foreground;
    KeystrokeSender& keystrokes;
    ProgramLauncher& programs;
    GestureLibraryStore& store;
    DiagnosticLog& log;
    KeyTargetCheck& keyTargets; // keys are not sent where Windows would drop them
    WindowCommandRunner& windowCommands;
};

struct LookupOptions {
    bool suggestions = true;  // near gestures are searched when a gesture is not found
    bool corrections = false; // a near gesture may run by itself
    bool diagonals = false;   // a drawn gesture gets the full lookup (near gestures), else the plain one
};

// What a lookup found.
struct LookupOutcome {
    enum class Kind {
        Ran,         // the gesture, or a near one by auto-correction, ran
        NotFound,    // nothing to run and nothing to suggest
        Suggestions, // nothing ran; near gestures are to be offered
    };
    Kind kind = Kind::NotFound;
    std::string gesture;                  // the drawn gesture
    std::vector<std::string> suggestions; // Suggestions: in order
    ProgramWindow program;                // the program in front, whose set was looked in
};

// Observes what a lookup decided; used by the replay tool and tests.
class DispatchListener {
public:
    virtual ~DispatchListener() = default;
    virtual void ranKeystrokes(const std::string& gesture, const std::string& displayText) = 0;
    virtual void ranProgram(const std::string& gesture, const std::string& actionText) = 0;
    virtual void ranWindowCommand(const std::string& gesture, const std::string& command) = 0;
    virtual void noMatch(const std::string& gesture) = 0;
    virtual void suggested(const std::string& gesture, const std::vector<std::string>& suggestions) = 0;
};

class GestureDispatcher final {
public:
    static constexpr int kNamePopupMilliseconds = 500;
    // Keystrokes wait this long after our hand-off brought another window to the front, so that the window
    // has taken the focus before its first key arrives. A target already in front costs no wait.
    static constexpr int kHandOffSettleMilliseconds = 30;

    explicit GestureDispatcher(const DispatcherPorts& ports);

    void setOptions(const LookupOptions& options) { options_ = options; }
    const LookupOptions& options() const { return options_; }
    void setListener(DispatchListener* listener) { listener_ = listener; }

    // What the caller does with an outcome before the lookup ends (shows the suggestions in a menu): it runs
    // while the lookup's target is still in front and the scratchpad still hidden.
    using BeforeEnd = std::function<void(const LookupOutcome&)>;

    // A finished gesture: the full lookup with diagonals enabled, else the plain one. Window commands of
    // this lookup, and of gestures chosen from its menu, act on the window the gesture was drawn on.
    LookupOutcome lookup(const FinishedGesture& gesture, const BeforeEnd& beforeEnd = {});
    // Plain lookup: program set, then global set. quiet suppresses the gesture-name popup.
    LookupOutcome runGesture(const std::string& gesture, bool quiet);
    // Full lookup with near gestures, auto-correction and suggestions. Auto-correction needs the angles
    // recorded for the strokes drawn; without them no near gesture runs by itself.
    LookupOutcome lookupAndRun(const std::string& gesture,
                               const std::optional<std::vector<int>>& strokeAngles = {},
                               const BeforeEnd& beforeEnd = {});
    // The pause trigger asks for help: the sets of the program in front are loaded and the gesture-name
    // popup gives way. Returns that program. A gesture chosen from the help menu acts on `pressWindow`.
    ProgramWindow prepareHelp(WindowId pressWindow = 0);

    // Runs the action bound to a gesture: the program set's when it has a non-empty one, else the global
    // set's. Returns whether an action was found.
    bool execute(const std::string& gesture);

    // Tick of the close timer of the gesture-name popup.
    void onClosePopupTimer();

    // The suggestion list of the last full lookup that found nothing to run.
    const std::vector<std::string>& lastSuggestions() const { return lastSuggestions_; }

private:
    void chooseSets();
    bool foundInSets(const std::string& gesture) const;
    // The full lookup's decision: what ran, or what is to be suggested.
    LookupOutcome decide(const std::string& gesture, const std::optional<std::vector<int>>& strokeAngles);
    void showNamePopup(const std::string& displayName);
    void bringTargetToFront();
    void letHandOffSettle();

    DispatcherPorts ports_;
    LookupOptions options_;
    DispatchListener* listener_ = nullptr;
    std::vector<std::string> lastSuggestions_;
    ProgramWindow lookupProgram_;                // the program in front at the last lookup
    std::optional<std::int64_t> handedOverAtMs_; // when our hand-off last changed the foreground window
    WindowId pressWindow_ = 0;                   // where the gesture being handled was drawn
    // The last action found was held back (its program runs as administrator, or its window command found
    // no window to act on): no name popup claims it ran.
    bool actionHeld_ = false;
};

} // namespace flickmark
