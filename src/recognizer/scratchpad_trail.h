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

// Used until the scratchpad exists: ignores everything.
class NoScratchpadTrail final : public ScratchpadTrail {
public:
    void buttonDown() override {}
    void buttonUp() override {}
    void addPoint(Point) override {}
};

} // namespace flickmark
