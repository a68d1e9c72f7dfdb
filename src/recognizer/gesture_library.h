// The gesture library as the recognizer sees it: where finished gestures and the pause trigger go.
#pragma once

#include "base/direction.h"

#include <string>

namespace flickmark {

class GestureLibrary {
public:
    virtual ~GestureLibrary() = default;
    // Plain lookup: program set, then global set. quiet suppresses the gesture-name popup.
    virtual void runGesture(const std::string& gesture, bool quiet) = 0;
    // Full lookup with near gestures, auto-correction and suggestions (diagonals enabled).
    virtual void lookupAndRun(const std::string& gesture) = 0;
    // The pause trigger fired with the first direction held; returns after the button is released.
    virtual void showHelp(Direction firstCode) = 0;
};

} // namespace flickmark
