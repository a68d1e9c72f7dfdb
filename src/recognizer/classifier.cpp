#include "recognizer/classifier.h"

#include "base/log_text.h"
#include "recognizer/stroke_math.h"

#include <algorithm>

namespace flickmark {
namespace {

constexpr double kSpeedScale = 2200.0; // a move across the whole monitor in one tick
constexpr double kSmoothedAngleWeight = 0.35;

// Tracks the sign of a speed average; true when it turned (the first movement counts as a turn).
bool updateSign(int average, int& sign) {
    bool reversed = false;
    if (average > 0) {
        reversed = sign != 1;
        sign = 1;
    }
    if (average < 0) {
        reversed = sign != -1;
        sign = -1;
    }
    return reversed;
}

// A run continues in one direction and ends its opposite.
void extendRun(std::array<int, 8>& runs, Direction extended, Direction ended) {
    ++runs[toIndex(extended)];
    runs[toIndex(ended)] = 0;
}

} // namespace

DirectionClassifier::DirectionClassifier(const RecognizerSettings& settings, Desktop& desktop,
                                         DiagnosticLog& log)
    : settings_(settings), desktop_(desktop), log_(log) {}

void DirectionClassifier::init(Point cursor) {
    log_.append(" - Init - ");
    avgX_ = avgY_ = 0;
    previous_ = cursor;
    runs_.fill(0);
    accumulators_.fill(0);
    lastAngle_ = smoothedAngle_ = 0;
    xSign_ = ySign_ = 0;
    xReversed_ = yReversed_ = false;
    anchor_ = {};
    current_ = Direction::None;
    displayed_ = kNothingDisplayed;
}

void DirectionClassifier::resetAccumulators() {
    avgX_ = avgY_ = 0;
    runs_.fill(0);
    accumulators_.fill(0);
    lastAngle_ = smoothedAngle_ = 0;
    xReversed_ = yReversed_ = false;
}

void DirectionClassifier::step(Point cursor, Direction firstCode) {
    updateSpeed(cursor);
    xReversed_ = updateSign(avgX_, xSign_);
    yReversed_ = updateSign(avgY_, ySign_);
    updateRuns();
    updateAccumulators();

    candidates_ = {};
    if (std::any_of(accumulators_.begin(), accumulators_.end(),
                    [this](int value) { return value > settings_.directionThreshold; }))
        classify(cursor, true);
    combine();

    reanchor(firstCode);

    if (absDiff(anchor_.y, cursor.y) > settings_.yPixel || absDiff(anchor_.x, cursor.x) > settings_.xPixel) {
        classify(cursor, true);
        combine();
    }

    // Far from the anchor but in a dead-zone strip: trust the plain bands rather than report nothing.
    if (anchor_.x != 0 && anchor_.y != 0 && current_ == Direction::None &&
        (absDiff(anchor_.x, cursor.x) > roundHalfEven(1.5 * settings_.xPixel) ||
         absDiff(anchor_.y, cursor.y) > roundHalfEven(1.5 * settings_.yPixel))) {
        classify(cursor, false);
        combine();
        log_.append((LogText() << "long dead zone override " << directionName(current_)).view());
    }

    if (isCardinal(current_) || current_ == Direction::None)
        displayed_ = current_;
}

void DirectionClassifier::updateSpeed(Point cursor) {
    if (previous_.x == 0)
        previous_.x = cursor.x;
    if (previous_.y == 0)
        previous_.y = cursor.y;
    const long long dx = difference(previous_.x, cursor.x);
    const long long dy = difference(previous_.y, cursor.y);
    // Movement along one axis only says nothing about the speed ratio; such a tick keeps the averages.
    if (dx == 0 || dy == 0)
        return;
    const auto monitor = desktop_.monitorNearest(cursor);
    if (!monitor || monitor->width() <= 0 || monitor->height() <= 0)
        return;
    const double deltaBias = settings_.deltaBias;
    avgX_ = blend(roundHalfEven(static_cast<double>(dx) / monitor->width() * kSpeedScale), avgX_, deltaBias);
    avgY_ = blend(roundHalfEven(static_cast<double>(dy) / monitor->height() * kSpeedScale), avgY_, deltaBias);
}

void DirectionClassifier::updateRuns() {
    speedY_ = speedX_ = speedEast_ = speedWest_ = Direction::None;
    const bool xMoving = std::llabs(avgX_) > settings_.xThreshold;
    const bool yMoving = std::llabs(avgY_) > settings_.yThreshold;
    if (xMoving) {
        if (avgX_ > 0) {
            extendRun(runs_, Direction::Right, Direction::Left);
            speedX_ = Direction::Right;
        } else {
            extendRun(runs_, Direction::Left, Direction::Right);
            speedX_ = Direction::Left;
        }
    }
    if (yMoving) {
        if (avgY_ < 0) {
            extendRun(runs_, Direction::Up, Direction::Down);
            speedY_ = Direction::Up;
        } else {
            extendRun(runs_, Direction::Down, Direction::Up);
            speedY_ = Direction::Down;
        }
    }
    if (xMoving && yMoving) {
        if (avgX_ > 0 && avgY_ > 0) {
            extendRun(runs_, Direction::SE, Direction::NE);
            speedEast_ = Direction::SE;
        } else if (avgX_ > 0) {
            extendRun(runs_, Direction::NE, Direction::SE);
            speedEast_ = Direction::NE;
        } else if (avgX_ < 0 && avgY_ > 0) {
            extendRun(runs_, Direction::SW, Direction::NW);
            speedWest_ = Direction::SW;
        } else if (avgX_ < 0) {
            extendRun(runs_, Direction::NW, Direction::SW);
            speedWest_ = Direction::NW;
        }
    }
}

void DirectionClassifier::updateAccumulators() {
    const double weight = settings_.distanceBias;
    auto accumulate = [&](Direction d) {
        accumulators_[toIndex(d)] = blend(runs_[toIndex(d)], accumulators_[toIndex(d)], weight);
    };
    if (speedY_ != Direction::None)
        accumulate(speedY_);
    if (speedX_ != Direction::None)
        accumulate(speedX_);
    if (settings_.enableDiagonals) {
        if (speedEast_ != Direction::None)
            accumulate(speedEast_);
        if (speedWest_ != Direction::None)
            accumulate(speedWest_);
    }
}

void DirectionClassifier::reanchor(Direction firstCode) {
    if (anchor_.x == 0 && anchor_.y == 0) {
        anchor_ = previous_;
        log_.append((LogText() << " no stored data " << anchor_).view());
        resetAccumulators();
        return;
    }
    if (!xReversed_ && !yReversed_)
        return;
    // Before the first accepted code, a turn close to the anchor is a wobble of the press, not a new stroke.
    const bool wobbleNearStart = firstCode == Direction::None && anchor_.x != 0 && anchor_.y != 0 &&
                                 absDiff(anchor_.y, previous_.y) <= settings_.yPixel &&
                                 absDiff(anchor_.x, previous_.x) <= settings_.xPixel;
    if (wobbleNearStart)
        return;
    anchor_ = previous_;
    log_.append((LogText() << " direction reversed x,y " << anchor_).view());
    resetAccumulators();
}

void DirectionClassifier::classify(Point cursor, bool deadZone) {
    if (anchor_.x == 0 || anchor_.y == 0)
        return;
    const int angle = pointAngle(anchor_, cursor);
    if (classifyAngle(angle, settings_.enableDiagonals, deadZone, candidates_))
        log_.append("dead zone");
    lastAngle_ = angle;
    smoothedAngle_ = blend(smoothedAngle_, angle, kSmoothedAngleWeight);
}

void DirectionClassifier::combine() {
    current_ = combineCandidates(candidates_, settings_.enableDiagonals, avgX_, avgY_);
}

} // namespace flickmark
