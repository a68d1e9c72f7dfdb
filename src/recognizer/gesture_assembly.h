// Gesture assembly: decides whether a tick's direction counts, records the codes of the gesture, shows an
// arrow for each new direction, arms the pause trigger, and at release turns the codes into the gesture
// string. With precise recognition on, it also keeps the path of the press, the gesture at release comes
// from that path, and jitter does not end the pause before help.
#pragma once

#include "base/diagnostic_log.h"
#include "base/direction.h"
#include "base/geometry.h"
#include "platform/desktop.h"
#include "platform/timer.h"
#include "recognizer/arrow_popup.h"
#include "recognizer/classifier.h"
#include "recognizer/first_stroke_hold.h"
#include "recognizer/gesture_outlet.h"
#include "recognizer/path_segmenter.h"
#include "recognizer/press_path.h"
#include "recognizer/recognizer_settings.h"
#include "recognizer/scratchpad_trail.h"

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

struct AssemblyPorts {
    ArrowPopup& arrows;
    ScratchpadTrail& scratchpad;
    Timer& pauseTimer;
    GestureOutlet& library;
    DiagnosticLog& log;
    Desktop& desktop;
};

class GestureAssembly {
public:
    GestureAssembly(const RecognizerSettings& settings, DirectionClassifier& classifier, AssemblyPorts ports);

    // Start of a press (the lists are cleared separately, see clearLists).
    void init();
    // The top-level window under the cursor at the press, handed on with the gesture and with help.
    void recordPressWindow(WindowId window) { pressWindow_ = window; }
    WindowId pressWindow() const { return pressWindow_; }
    void clearLists();
    // Acceptance and recording after the classifier's step of the same tick; ends by making the cursor the
    // previous point. With precise recognition the cursor is kept on the press's path when `onPath`, and
    // the pause for help follows `hand` where the hand is known beyond the cursor (against a screen edge).
    void step(Point cursor, bool onPath = true, std::optional<Point> hand = std::nullopt);
    // With precise recognition, a point of the press's path read between the ticks.
    void addPathPoint(Point point) {
        if (settings_.preciseRecognition)
            path_.add(point);
    }
    // The pause trigger fired: the first direction was held long enough to ask for help.
    void onPauseTimer();
    // The gesture string of the recorded codes (empty when nothing was recorded); logs each step. With
    // precise recognition, the strokes of the press's path replace the recorded codes first.
    std::string complete();

    Direction firstCode() const { return firstCode_; }
    const std::vector<Direction>& codes() const { return codes_; }
    const std::vector<int>& lengths() const { return lengths_; }
    const std::vector<int>& angles() const { return angles_; }

private:
    Direction accept(Point cursor);
    void record(Direction code, Point cursor);
    void showArrow(Direction code, Point cursor);
    void updatePauseTrigger(Direction accepted, Point cursor);
    void followFirstStroke(Direction accepted, Point cursor);
    StrokeRules strokeRules() const;
    void replaceStepsByPathStrokes();

    const RecognizerSettings& settings_;
    DirectionClassifier& classifier_;
    AssemblyPorts ports_;

    // Parallel lists, one entry per recorded step; kept after completion until the next press.
    std::vector<Direction> codes_;
    std::vector<int> lengths_;
    std::vector<int> angles_;
    Direction firstCode_ = Direction::None;
    Direction lastAppended_ = Direction::None;
    Direction lastAccepted_ = Direction::None;
    Direction lastDetected_ = Direction::None;
    Direction shownArrow_ = Direction::None; // None: no arrow shown in this gesture yet
    PressPath path_;                         // kept with precise recognition only
    FirstStrokeHold firstStrokeHold_;
    WindowId pressWindow_ = 0;
};

} // namespace flickmark
