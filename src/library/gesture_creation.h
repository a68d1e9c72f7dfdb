// What the suggestions menu needs of the gesture editors: a new gesture made from the one that was drawn
// and not found. The application wires the gestures window and its wizard behind it.
#pragma once

#include <string>

namespace flickmark {

class GestureCreation {
public:
    virtual ~GestureCreation() = default;
    // Opens the gestures window on the set of `program` (an executable name; empty for the global set) and
    // the wizard on its action page with `gesture` (a gesture string) chosen. Runs after the menu has
    // closed, so the wizard is not inside the menu's loop.
    virtual void createGesture(const std::string& gesture, const std::string& program) = 0;
};

} // namespace flickmark
