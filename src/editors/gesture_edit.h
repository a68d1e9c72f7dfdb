// The gesture editor's state: a gesture composed by clicking direction buttons instead of drawing it.
//
// The gesture's name is derived from the buttons clicked and cannot be typed. After each direction its
// own button and the buttons that share a component with it are disabled until the next click, so the next
// direction can neither repeat it ("033") nor lie only 45 degrees from it.
#pragma once

#include "base/direction.h"

#include <array>
#include <string>
#include <string_view>

namespace flickmark {

class GestureEdit {
public:
    // The diagonal buttons are shown only while diagonals are enabled.
    explicit GestureEdit(bool diagonalsEnabled = false);
    void setDiagonalsEnabled(bool enabled);

    // A click on the button of `d`: appends the direction. Returns false, changing nothing, when that
    // button is disabled or hidden.
    bool click(Direction d);
    // Takes the last direction back; the buttons are then as they were after the direction before it.
    void removeLastDirection();
    void clear();
    // Shows an existing gesture, with the buttons as if its directions had been clicked. A text that is not
    // a gesture string clears the editor and returns false.
    bool setGesture(std::string_view gesture);

    const std::string& gesture() const { return gesture_; }
    // "UP+RIGHT"; empty for an empty gesture.
    std::string displayName() const { return gestureDisplayName(gesture_); }
    bool buttonEnabled(Direction d) const;
    bool buttonVisible(Direction d) const;

private:
    void updateButtons();

    bool diagonals_;
    std::string gesture_;
    std::array<bool, kGestureDirections.size()> enabled_{};
};

} // namespace flickmark
