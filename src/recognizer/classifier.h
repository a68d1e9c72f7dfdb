// The direction classifier: once per tick while the gesture button is held, turns the cursor's movement into
// the current direction. A smoothed speed per axis says that and roughly where the cursor moves; the angle
// from the anchor to the cursor decides the direction. The anchor is re-placed when the movement reverses
// on an axis, so each stroke is measured from where it began.
#pragma once

#include "base/diagnostic_log.h"
#include "base/direction.h"
#include "base/geometry.h"
#include "platform/desktop.h"
#include "recognizer/angle_bands.h"
#include "recognizer/recognizer_settings.h"

#include <array>

namespace flickmark {

class DirectionClassifier {
public:
    // Reads the settings at every step, so later changes to them take effect at once.
    DirectionClassifier(const RecognizerSettings& settings, Desktop& desktop, DiagnosticLog& log);

    // Start of a press: forgets the movement; the previous point becomes the cursor and there is no anchor.
    void init(Point cursor);
    // One tick; `firstCode` is the first code the gesture accepted (None before it), which keeps a small
    // first wobble from moving the anchor.
    void step(Point cursor, Direction firstCode);

    // Forgets the speed averages, runs, accumulators and angles; keeps the axis signs and the anchor.
    void resetAccumulators();
    void setAnchor(Point anchor) { anchor_ = anchor; }
    // The cursor position of the last processed tick; 0 on an axis means unset.
    void setPrevious(Point previous) { previous_ = previous; }

    Direction current() const { return current_; }
    Point anchor() const { return anchor_; }
    Point previous() const { return previous_; }
    int avgX() const { return avgX_; }
    int avgY() const { return avgY_; }
    int accumulator(Direction d) const { return accumulators_[toIndex(d)]; }
    int smoothedAngle() const { return smoothedAngle_; }
    // The last cardinal direction or None shown; diagonals leave it. Empty (an invalid code) after init.
    Direction displayedDirection() const { return displayed_; }

    static constexpr Direction kNothingDisplayed = directionFromIndex(0xFF);

private:
    void updateSpeed(Point cursor);
    void updateRuns();
    void updateAccumulators();
    void reanchor(Direction firstCode);
    // Classifies the anchor angle into the candidates; nothing without an anchor.
    void classify(Point cursor, bool deadZone);
    void combine();

    const RecognizerSettings& settings_;
    Desktop& desktop_;
    DiagnosticLog& log_;

    Point previous_;
    int avgX_ = 0;
    int avgY_ = 0;
    int xSign_ = 0;
    int ySign_ = 0;
    bool xReversed_ = false;
    bool yReversed_ = false;
    Point anchor_;
    // Indexed by direction code 0..7.
    std::array<int, 8> runs_{};
    std::array<int, 8> accumulators_{};
    AngleCandidates candidates_;
    // Speed candidates of this tick: y (Up/Down), x (Left/Right), east (NE/SE), west (NW/SW).
    Direction speedY_ = Direction::None;
    Direction speedX_ = Direction::None;
    Direction speedEast_ = Direction::None;
    Direction speedWest_ = Direction::None;
    Direction current_ = Direction::None;
    int lastAngle_ = 0;
    int smoothedAngle_ = 0;
    Direction displayed_ = kNothingDisplayed;
};

} // namespace flickmark
