// Reads a press drawn inside Flickmark (the drawing area of the gesture editors) with the recognizer the
// live gestures go through, on virtual time: the recorded button-down, moves and release are what the
// recognizer's timers sample, the first sample falling at the button-down. Help pauses do not apply.
#pragma once

#include "base/geometry.h"
#include "recognizer/recognizer_settings.h"

#include <cstdint>
#include <span>
#include <string>

namespace flickmark {

struct TimedPoint {
    std::int64_t timeMs = 0; // as the messages carried it; never decreasing
    Point at;                // any fixed frame of pixels (the drawing area's own)
    bool operator==(const TimedPoint&) const = default;
};

// The gesture's direction codes ("03"), empty when the press holds no gesture. The first point is where the
// button went down, the last where it came up.
std::string readDrawnPress(std::span<const TimedPoint> press, const RecognizerSettings& settings);

} // namespace flickmark
