// What the recognizer tells the scratchpad about a stroke: button state and the recorded points.
#pragma once

#include "base/geometry.h"

namespace flickmark {

class ScratchpadTrail {
public:
    virtual ~ScratchpadTrail() = default;
    virtual void buttonDown() = 0;
    virtual void buttonUp() = 0;
    virtual void addPoint(Point p) = 0;
};

} // namespace flickmark
