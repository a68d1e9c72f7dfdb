// The scratchpad serves two areas through their own ports: the recognizer reports each tick's button state
// and recorded points, and the gesture dispatcher hides and restores it around an action. Both exist before
// the scratchpad window does (they are created earlier at start-up), so these relays forward to the pad
// once the application has set it, and answer for a missing pad before that.
#pragma once

#include "library/scratchpad_visibility.h"
#include "overlays/scratchpad.h"
#include "recognizer/scratchpad_trail.h"

namespace flickmark {

class ScratchpadTrailRelay final : public ScratchpadTrail {
public:
    void buttonDown() override {
        if (pad)
            pad->buttonDown();
    }
    void buttonUp() override {
        if (pad)
            pad->buttonUp();
    }
    void addPoint(Point p) override {
        if (pad)
            pad->addPoint(p);
    }

    Scratchpad* pad = nullptr;
};

class ScratchpadVisibilityRelay final : public ScratchpadVisibility {
public:
    bool visible() const override { return pad && pad->visible(); }
    void setVisible(bool visible) override {
        if (pad)
            pad->setVisible(visible);
    }

    Scratchpad* pad = nullptr;
};

} // namespace flickmark
