#include "recognizer/gesture_assembly.h"

#include "base/log_text.h"
#include "recognizer/path_segmenter.h"
#include "recognizer/stroke_math.h"

namespace flickmark {
namespace {

// Room for the steps of any ordinary gesture, so recording does not allocate while the button is held.
constexpr std::size_t kReservedSteps = 256;

// Where the first arrow of a gesture appears relative to the cursor: clear of the stroke just drawn.
Point firstArrowPosition(Direction code, Point cursor) {
    if (code == Direction::Up)
        return {cursor.x - 90, cursor.y + 5};
    if (code == Direction::Down)
        return {cursor.x - 90, cursor.y - 40};
    return {cursor.x - 90, cursor.y + 30};
}

// Straight distance from the anchor, 0 when the cursor touches the screen's top or left edge (a 0 there
// stands for "unset").
int stepLength(Point anchor, Point cursor) {
    if (cursor.x == 0 || cursor.y == 0)
        return 0;
    return pointDistance(anchor, cursor);
}

} // namespace

GestureAssembly::GestureAssembly(const RecognizerSettings& settings, DirectionClassifier& classifier,
                                 AssemblyPorts ports)
    : settings_(settings), classifier_(classifier), ports_(ports) {
    codes_.reserve(kReservedSteps);
    lengths_.reserve(kReservedSteps);
    angles_.reserve(kReservedSteps);
}

void GestureAssembly::init() {
    firstCode_ = Direction::None;
    lastAppended_ = Direction::None;
    shownArrow_ = Direction::None;
    path_.clear();
    firstStrokeHold_.reset();
}

void GestureAssembly::clearLists() {
    codes_.clear();
    lengths_.clear();
    angles_.clear();
}

void GestureAssembly::step(Point cursor, bool onPath, std::optional<Point> hand) {
    if (onPath)
        addPathPoint(cursor);
    const Direction accepted = accept(cursor);
    if (accepted != Direction::None)
        record(accepted, cursor);
    lastDetected_ = classifier_.current();
    lastAccepted_ = accepted;
    updatePauseTrigger(accepted, hand.value_or(cursor));
    classifier_.setPrevious(cursor);
}

Direction GestureAssembly::accept(Point cursor) {
    Direction code = classifier_.current();
    const Point anchor = classifier_.anchor();
    const long long distanceX = absDiff(anchor.x, cursor.x);
    const long long distanceY = absDiff(anchor.y, cursor.y);
    if (code == Direction::Up || code == Direction::Down) {
        if (distanceY < settings_.yPixel) {
            ports_.log.append(" Pixel Failed ");
            code = Direction::None;
        }
    } else if (code == Direction::Left || code == Direction::Right) {
        if (distanceX < settings_.xPixel) {
            ports_.log.append(" Pixel Failed ");
            code = Direction::None;
        }
    } else if (isDiagonal(code)) {
        if (distanceX + distanceY < roundHalfEven(1.3 * settings_.yPixel)) {
            ports_.log.append(" Diagonal Pixel Failed ");
            code = Direction::None;
        }
    }

    // A diagonal right after its neighbouring cardinal (or the reverse) is the tail of the same stroke.
    if (lastAppended_ != Direction::None && areAdjacent(code, lastAppended_)) {
        code = Direction::None;
        const Point previous = classifier_.previous();
        classifier_.setAnchor(previous);
        ports_.log.append((LogText() << " error combo x,y " << previous).view());
        classifier_.resetAccumulators();
    }
    return code;
}

void GestureAssembly::record(Direction code, Point cursor) {
    // The same code as the tick before only extends the step.
    if (!codes_.empty() && code == lastAccepted_) {
        codes_.pop_back();
        lengths_.pop_back();
        angles_.pop_back();
    }
    const Point anchor = classifier_.anchor();
    const int length = stepLength(anchor, cursor);
    lastAppended_ = code;
    codes_.push_back(code);
    lengths_.push_back(length);
    angles_.push_back(pointAngle(anchor, cursor));

    showArrow(code, cursor);
    ports_.log.append((LogText() << "ADDING " << directionName(code) << "     --len- " << length).view());
    ports_.scratchpad.addPoint(cursor);
}

void GestureAssembly::showArrow(Direction code, Point cursor) {
    if (shownArrow_ == Direction::None) {
        shownArrow_ = code;
        ports_.arrows.showArrow(code, firstArrowPosition(code, cursor));
    } else if (shownArrow_ != code) {
        shownArrow_ = code;
        ports_.arrows.hide();
        ports_.arrows.showArrow(code, ports_.arrows.position());
    }
}

void GestureAssembly::updatePauseTrigger(Direction accepted, Point cursor) {
    if (settings_.preciseRecognition) {
        followFirstStroke(accepted, cursor);
        return;
    }
    // Armed once, by the first accepted code; any tick that does not accept that code again disarms it for
    // good.
    if (firstCode_ == Direction::None && accepted != Direction::None) {
        firstCode_ = accepted;
        ports_.pauseTimer.setEnabled(false);
        if (settings_.enableHelpPopup)
            ports_.pauseTimer.setEnabled(true);
    } else if (firstCode_ != Direction::None && accepted != firstCode_) {
        ports_.pauseTimer.setEnabled(false);
    }
}

void GestureAssembly::followFirstStroke(Direction accepted, Point cursor) {
    if (firstCode_ == Direction::None)
        firstCode_ = accepted; // still steers the classifier's anchor
    switch (firstStrokeHold_.follow(cursor, strokeRules())) {
    case FirstStrokeHold::Change::Rests:
        ports_.pauseTimer.setEnabled(false);
        if (settings_.enableHelpPopup)
            ports_.pauseTimer.setEnabled(true);
        break;
    case FirstStrokeHold::Change::Moves:
    case FirstStrokeHold::Change::Ended:
        ports_.pauseTimer.setEnabled(false);
        break;
    case FirstStrokeHold::Change::None:
        break;
    }
}

StrokeRules GestureAssembly::strokeRules() const {
    return {settings_.xPixel, settings_.yPixel, settings_.enableDiagonals, {}};
}

void GestureAssembly::onPauseTimer() {
    ports_.arrows.hide();
    ports_.pauseTimer.setEnabled(false);
    ports_.log.append(" Pause Trigger ");
    ports_.library.showHelp(settings_.preciseRecognition ? firstStrokeHold_.direction() : firstCode_,
                            pressWindow_);
}

std::string GestureAssembly::complete() {
    ports_.log.append("int-------");
    if (settings_.preciseRecognition)
        replaceStepsByPathStrokes();
    std::string gesture;
    Direction previous = Direction::None;
    for (std::size_t i = 0; i < codes_.size(); ++i) {
        const Direction code = codes_[i];
        if (code == previous)
            continue;
        if (code != Direction::None) {
            gesture += directionDigit(code);
            previous = code;
        }
        ports_.log.append((LogText() << "Direction " << directionUpperName(code) << "    len - "
                                     << lengths_[i] << "    Angle - (" << angles_[i] << ")")
                              .view());
    }
    return gesture;
}

void GestureAssembly::replaceStepsByPathStrokes() {
    clearLists();
    const std::vector<Rect> monitors = ports_.desktop.monitors();
    StrokeRules rules = strokeRules();
    rules.monitors = monitors;
    for (const Stroke& stroke : segmentPath(path_.points(), rules)) {
        codes_.push_back(stroke.code);
        lengths_.push_back(stroke.length);
        angles_.push_back(stroke.angle);
    }
}

} // namespace flickmark
