// The drawing area's state: presses drawn inside Flickmark, each read by the recognizer with the user's
// settings, shown with its path, the corners between its strokes and the gesture's name. "Draw it three
// times" takes the gesture only when three drawings in a row agree, and otherwise points out the strokes
// that could read either way.
#pragma once

#include "base/geometry.h"
#include "recognizer/drawn_press_reading.h"
#include "recognizer/recognizer_settings.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace flickmark {

struct DrawingReading {
    std::string gesture;             // direction codes; empty when the press held no gesture
    std::vector<Point> path;         // as drawn
    std::vector<Point> corners;      // the start, each corner and the end: one more than the strokes
    std::vector<std::string> doubts; // strokes that could read another way, one sentence each
};

// Reads one press. The corners lie where the path turns from one stroke's direction to the next one's.
DrawingReading readDrawing(std::span<const TimedPoint> press, const RecognizerSettings& settings);

// Where the path turns: the corner points (start and end included) of a path read as `gesture`, placed so
// that each stroke gets as far as it can in its direction. Empty for an empty gesture or path.
std::vector<Point> strokeCorners(std::span<const Point> path, std::string_view gesture);

// Strokes that could read another way: one shorter than two and a half times its minimum length, one whose
// angle lies within a few degrees of the border with another direction.
std::vector<std::string> strokeDoubts(std::span<const Point> corners, std::string_view gesture,
                                      const RecognizerSettings& settings);

class GestureDrawing {
public:
    explicit GestureDrawing(const RecognizerSettings& settings);

    // Switching three drawings on or off starts again.
    void setThreeTimes(bool threeTimes);
    bool threeTimes() const { return threeTimes_; }
    // A press ended in the drawing area.
    void drawn(std::span<const TimedPoint> press);

    // The last drawing, shown in the area.
    const std::optional<DrawingReading>& shown() const { return shown_; }
    // What the line under the area says.
    std::string status() const;
    // The gesture the drawing gives: the last reading, or with three drawings the one all three agree on;
    // empty while there is none.
    std::string chosen() const;

private:
    bool roundAgrees() const;

    RecognizerSettings settings_;
    bool threeTimes_ = false;
    std::vector<DrawingReading> round_; // the drawings of the current round of three
    std::optional<DrawingReading> shown_;
};

} // namespace flickmark
