// The scratchpad serves two areas through their own ports: the recognizer reports each tick's button state
// and recorded points, and the gesture dispatcher hides and restores it around an action.
#pragma once

#include "library/scratchpad_visibility.h"
#include "overlays/scratchpad.h"
#include "recognizer/scratchpad_trail.h"

namespace flickmark {

class ScratchpadTrailPort final : public ScratchpadTrail {
public:
    explicit ScratchpadTrailPort(Scratchpad& pad) : pad_(pad) {}
    void buttonDown() override { pad_.buttonDown(); }
    void buttonUp() override { pad_.buttonUp(); }
    void addPoint(Point p) override { pad_.addPoint(p); }

private:
    Scratchpad& pad_;
};

class ScratchpadVisibilityPort final : public ScratchpadVisibility {
public:
    explicit ScratchpadVisibilityPort(Scratchpad& pad) : pad_(pad) {}
    bool visible() const override { return pad_.visible(); }
    void setVisible(bool visible) override { pad_.setVisible(visible); }

private:
    Scratchpad& pad_;
};

} // namespace flickmark
