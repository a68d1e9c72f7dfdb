// Asked by the recognizer at the first tick of a press (and at every tick while a full-screen program in
// front keeps the press ignored): may this press become a gesture?
#pragma once

#include "base/geometry.h"
#include "base/press_ruling.h"

namespace flickmark {

class PressGate {
public:
    virtual ~PressGate() = default;
    // `fullScreenInFront`: the foreground window covers its monitor without being maximized (see
    // full_screen_test.h). The ruling's note, if any, goes to the log after the full-screen result.
    virtual PressRuling rulePress(Point cursor, bool fullScreenInFront) = 0;
};

// Every press may become a gesture, unless a full-screen program is in front: the rule without program
// lists or press settings (the replay tool, tests of recognition).
class FullScreenOnlyGate final : public PressGate {
public:
    PressRuling rulePress(Point, bool fullScreenInFront) override {
        return {fullScreenInFront ? PressOutcome::FullScreen : PressOutcome::Gesture, {}};
    }
};

} // namespace flickmark
