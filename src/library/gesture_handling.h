// What becomes of a finished gesture and of a first direction held for help: the lookup, and the menu its
// outcome asks for. The dispatcher and the menus know nothing of each other; this joins them.
#pragma once

#include "library/gesture_dispatcher.h"
#include "library/gesture_menus.h"
#include "recognizer/gesture_outlet.h"

namespace flickmark {

class GestureHandling final : public GestureOutlet {
public:
    // The references must outlive this object.
    GestureHandling(GestureDispatcher& dispatcher, GestureMenus& menus)
        : dispatcher_(dispatcher), menus_(menus) {}

    // The full lookup with diagonals enabled, else the plain one; suggestions open their menu before the
    // lookup ends.
    void gestureFinished(const FinishedGesture& gesture) override {
        dispatcher_.lookup(gesture, [this](const LookupOutcome& outcome) {
            if (outcome.kind == LookupOutcome::Kind::Suggestions)
                menus_.showSuggestions(outcome.gesture, outcome.suggestions, outcome.program);
        });
    }
    void showHelp(Direction firstCode, WindowId pressWindow) override {
        menus_.showHelp(firstCode, dispatcher_.prepareHelp(pressWindow));
    }

private:
    GestureDispatcher& dispatcher_;
    GestureMenus& menus_;
};

} // namespace flickmark
