// A scratchpad that records the button changes and points the recognizer reports.
#pragma once

#include "recognizer/scratchpad_trail.h"

#include <vector>

namespace flickmark {

class RecordingScratchpadTrail final : public ScratchpadTrail {
public:
    void buttonDown() override { ++downs; }
    void buttonUp() override { ++ups; }
    void addPoint(Point p) override { points.push_back(p); }

    int downs = 0;
    int ups = 0;
    std::vector<Point> points;
};

} // namespace flickmark
