// The recognizer's outlet: where finished gestures and the pause trigger go (the gesture library, through
// the hand-over queue).
#pragma once

#include "base/direction.h"
#include "platform/desktop.h"

#include <string>
#include <vector>

namespace flickmark {

// A gesture the user finished by releasing the button: everything the library needs to look it up.
struct FinishedGesture {
    std::string codes;             // direction codes, never empty
    std::vector<int> strokeAngles; // the angle recorded for each stroke, in order (fewer when not recorded)
    WindowId pressWindow = 0;      // the top-level window under the cursor when the button went down

    // The angle recorded for stroke `index`, 0 when there is none.
    int strokeAngle(std::size_t index) const { return index < strokeAngles.size() ? strokeAngles[index] : 0; }
    bool operator==(const FinishedGesture&) const = default;
};

class GestureOutlet {
public:
    virtual ~GestureOutlet() = default;
    // The button was released on a gesture; the library decides how to look it up and what runs.
    virtual void gestureFinished(const FinishedGesture& gesture) = 0;
    // The pause trigger fired with the first direction held; returns after the button is released.
    // `pressWindow` as in FinishedGesture.
    virtual void showHelp(Direction firstCode, WindowId pressWindow) = 0;
};

} // namespace flickmark
