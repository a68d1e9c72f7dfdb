#include "editors/gesture_drawing.h"

#include "base/direction.h"
#include "recognizer/path_segmenter.h"
#include "recognizer/stroke_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace flickmark {
namespace {

// A stroke shorter than this many times its minimum length may be dropped by another drawing: the
// recognizer samples the path every 80 ms, and what moved after the last sample before the release is lost.
constexpr double kShortStrokeFactor = 2.5;
// A stroke whose angle lies this close (degrees) to a band border may read as the direction beyond it.
constexpr int kBorderDegrees = 8;
constexpr int kRoundSize = 3;

struct Unit {
    double x = 0;
    double y = 0;
};

Unit unitOf(Direction d) {
    const double radians = *directionAngle(d) * std::numbers::pi / 180.0;
    return {std::cos(radians), std::sin(radians)};
}

double along(Point p, Unit u) {
    return p.x * u.x + p.y * u.y;
}

std::string strokeName(Direction d) {
    return std::string(directionUpperName(d));
}

// The band borders: the cardinal bands meet at the diagonals; with diagonals, each diagonal band spans 20
// degrees on either side of its diagonal.
std::vector<int> bandBorders(bool diagonals) {
    if (!diagonals)
        return {45, 135, 225, 315};
    return {25, 65, 115, 155, 205, 245, 295, 335};
}

int angleGap(int a, int b) {
    const int gap = std::abs(a - b) % 360;
    return std::min(gap, 360 - gap);
}

Direction directionAtAngle(double degrees, bool diagonals) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const Point to{static_cast<int>(std::lround(1000 * std::cos(radians))),
                   static_cast<int>(std::lround(1000 * std::sin(radians)))};
    return strokeDirection({0, 0}, to, diagonals);
}

// The stroke's extent in the measure its minimum length is given in, and that minimum.
std::pair<long long, long long> extentAndMinimum(Direction d, Point from, Point to,
                                                 const RecognizerSettings& settings) {
    const long long dx = absDiff(from.x, to.x);
    const long long dy = absDiff(from.y, to.y);
    if (d == Direction::Up || d == Direction::Down)
        return {dy, settings.yPixel};
    if (d == Direction::Left || d == Direction::Right)
        return {dx, settings.xPixel};
    return {dx + dy, roundHalfEven(1.3 * settings.yPixel)};
}

std::string joinedReadings(const std::vector<DrawingReading>& readings) {
    std::string text;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (i > 0)
            text += i + 1 == readings.size() ? " and " : ", ";
        text +=
            readings[i].gesture.empty() ? std::string("nothing") : gestureDisplayName(readings[i].gesture);
    }
    return text;
}

} // namespace

std::vector<Point> strokeCorners(std::span<const Point> path, std::string_view gesture) {
    if (path.empty() || gesture.empty())
        return {};
    const std::size_t n = path.size();
    const std::size_t strokes = gesture.size();
    constexpr double kNone = -std::numeric_limits<double>::infinity();
    // best[b]: the greatest progress of the strokes so far with the last corner at point b; from[j][b]: where
    // stroke j started for that best.
    std::vector<double> best(n, kNone);
    best[0] = 0;
    std::vector<std::vector<std::size_t>> from(strokes, std::vector<std::size_t>(n, 0));
    for (std::size_t j = 0; j < strokes; ++j) {
        const Unit u = unitOf(directionFromDigit(gesture[j]));
        std::vector<double> next(n, kNone);
        double bestStart = kNone;
        std::size_t bestStartAt = 0;
        for (std::size_t b = 0; b < n; ++b) {
            if (best[b] != kNone && best[b] - along(path[b], u) > bestStart) {
                bestStart = best[b] - along(path[b], u);
                bestStartAt = b;
            }
            if (bestStart != kNone) {
                next[b] = bestStart + along(path[b], u);
                from[j][b] = bestStartAt;
            }
        }
        best = std::move(next);
    }
    std::vector<Point> corners(strokes + 1);
    std::size_t at = n - 1;
    for (std::size_t j = strokes; j-- > 0;) {
        corners[j + 1] = path[at];
        at = from[j][at];
    }
    corners[0] = path[at];
    return corners;
}

std::vector<std::string> strokeDoubts(std::span<const Point> corners, std::string_view gesture,
                                      const RecognizerSettings& settings) {
    std::vector<std::string> doubts;
    if (corners.size() != gesture.size() + 1)
        return doubts;
    const bool diagonals = settings.enableDiagonals;
    for (std::size_t i = 0; i < gesture.size(); ++i) {
        const Direction d = directionFromDigit(gesture[i]);
        const Point from = corners[i];
        const Point to = corners[i + 1];
        const std::string stroke = "Stroke " + std::to_string(i + 1) + " (" + strokeName(d) + ")";
        const auto [extent, minimum] = extentAndMinimum(d, from, to, settings);
        if (static_cast<double>(extent) < kShortStrokeFactor * static_cast<double>(minimum))
            doubts.push_back(stroke + " is only just long enough: draw it longer.");
        const int angle = pointAngle(from, to) % 360;
        for (const int border : bandBorders(diagonals)) {
            if (angleGap(angle, border) > kBorderDegrees)
                continue;
            const double beyond = 2.0 * border - angle; // the angle mirrored across the border
            const Direction other = directionAtAngle(beyond, diagonals);
            if (other != d && other != Direction::None)
                doubts.push_back(stroke + " lies close to " + strokeName(other) + ": draw it more clearly.");
            break;
        }
    }
    return doubts;
}

DrawingReading readDrawing(std::span<const TimedPoint> press, const RecognizerSettings& settings) {
    DrawingReading reading;
    reading.gesture = readDrawnPress(press, settings);
    reading.path.reserve(press.size());
    for (const TimedPoint& p : press)
        reading.path.push_back(p.at);
    reading.corners = strokeCorners(reading.path, reading.gesture);
    reading.doubts = strokeDoubts(reading.corners, reading.gesture, settings);
    return reading;
}

GestureDrawing::GestureDrawing(const RecognizerSettings& settings) : settings_(settings) {}

void GestureDrawing::setThreeTimes(bool threeTimes) {
    threeTimes_ = threeTimes;
    round_.clear();
    shown_.reset();
}

void GestureDrawing::drawn(std::span<const TimedPoint> press) {
    DrawingReading reading = readDrawing(press, settings_);
    if (threeTimes_) {
        if (round_.size() == kRoundSize)
            round_.clear();
        round_.push_back(reading);
    }
    shown_ = std::move(reading);
}

bool GestureDrawing::roundAgrees() const {
    return std::all_of(round_.begin(), round_.end(),
                       [&](const DrawingReading& r) { return r.gesture == round_.front().gesture; });
}

std::string GestureDrawing::status() const {
    constexpr const char* kNothingRead =
        "No gesture was read: draw each stroke longer, with the button held down.";
    if (!shown_)
        return threeTimes_ ? "Draw the gesture three times: it is taken when all three drawings agree."
                           : "Nothing drawn yet.";
    if (!threeTimes_)
        return shown_->gesture.empty() ? kNothingRead
                                       : "Read as " + gestureDisplayName(shown_->gesture) + ".";
    const std::size_t count = round_.size();
    if (count < kRoundSize) {
        const std::string what = shown_->gesture.empty() ? std::string("held no gesture")
                                                         : "read as " + gestureDisplayName(shown_->gesture);
        return "Drawing " + std::to_string(count) + " of 3 " + what + ": draw it " +
               (count + 1 == kRoundSize ? "once more." : "again.");
    }
    if (roundAgrees())
        return shown_->gesture.empty()
                   ? kNothingRead
                   : "All three drawings read " + gestureDisplayName(shown_->gesture) + ".";
    std::string text = "The drawings differ: " + joinedReadings(round_) + ".";
    std::vector<std::string> doubts;
    for (const DrawingReading& r : round_)
        for (const std::string& doubt : r.doubts)
            if (std::find(doubts.begin(), doubts.end(), doubt) == doubts.end())
                doubts.push_back(doubt);
    if (doubts.empty())
        doubts.push_back("Draw each stroke straight and well beyond its minimum length.");
    for (const std::string& doubt : doubts)
        text += " " + doubt;
    return text + " Draw it three times again.";
}

std::string GestureDrawing::chosen() const {
    if (!shown_)
        return {};
    if (!threeTimes_)
        return shown_->gesture;
    return round_.size() == kRoundSize && roundAgrees() ? round_.front().gesture : std::string{};
}

} // namespace flickmark
