#include "editors/gesture_edit.h"

namespace flickmark {

GestureEdit::GestureEdit(bool diagonalsEnabled) : diagonals_(diagonalsEnabled) {
    updateButtons();
}

void GestureEdit::setDiagonalsEnabled(bool enabled) {
    diagonals_ = enabled;
    updateButtons();
}

bool GestureEdit::click(Direction d) {
    if (!buttonEnabled(d) || !buttonVisible(d))
        return false;
    gesture_ += directionDigit(d);
    updateButtons();
    return true;
}

void GestureEdit::removeLastDirection() {
    if (!gesture_.empty())
        gesture_.pop_back();
    updateButtons();
}

void GestureEdit::clear() {
    gesture_.clear();
    updateButtons();
}

bool GestureEdit::setGesture(std::string_view gesture) {
    const bool valid = isGestureString(gesture);
    gesture_ = valid ? std::string(gesture) : std::string();
    updateButtons();
    return valid;
}

bool GestureEdit::buttonEnabled(Direction d) const {
    return toIndex(d) < enabled_.size() && enabled_[toIndex(d)];
}

bool GestureEdit::buttonVisible(Direction d) const {
    return isCardinal(d) || (isDiagonal(d) && diagonals_);
}

void GestureEdit::updateButtons() {
    enabled_.fill(true);
    if (gesture_.empty())
        return;
    // The last direction, and every direction 45 degrees from it, cannot follow it.
    const Direction last = directionFromDigit(gesture_.back());
    for (const Direction d : kGestureDirections)
        if (d == last || areAdjacent(d, last))
            enabled_[toIndex(d)] = false;
}

} // namespace flickmark
