// The classifier's thresholds, each probed one step below, at and above its value, on the classifier alone.
#include "fakes/fake_desktop.h"
#include "recognizer/classifier.h"

#include <gtest/gtest.h>

#include <vector>

namespace flickmark {
namespace {

// A press at the first point and one tick at each further one. The monitor is 2200 pixels wide and high,
// so a speed sample equals the pixels moved in the tick and an average after one tick is round(0.8f * it).
struct ClassifierRun {
    explicit ClassifierRun(const RecognizerSettings& initial) : settings(initial) {
        desktop.monitorList = {Rect{0, 0, 2200, 2200}};
    }

    void follow(const std::vector<Point>& path, Direction firstCode = Direction::None) {
        classifier.init(path.front());
        for (const Point p : path) {
            classifier.step(p, firstCode);
            classifier.setPrevious(p); // as the assembly does at the end of each tick
        }
    }

    RecognizerSettings settings;
    FakeDesktop desktop;
    DiagnosticLog log;
    DirectionClassifier classifier{settings, desktop, log};
};

RecognizerSettings with(void (*change)(RecognizerSettings&)) {
    RecognizerSettings settings;
    change(settings);
    return settings;
}

const RecognizerSettings kDefaults{};

TEST(ClassifierThresholds, EachThresholdIsExceededOnlyAboveItsValue) {
    const struct {
        const char* what;
        RecognizerSettings settings;
        std::vector<Point> path;
        Direction expected;
    } table[] = {
        // Inside the pixel box only the accumulators classify, and they grow only while an average
        // exceeds its speed threshold (3): 3, 4 and 5 pixels give the averages 2, 3 and 4.
        {"x speed below", kDefaults, {{500, 500}, {503, 501}}, Direction::None},
        {"x speed at", kDefaults, {{500, 500}, {504, 501}}, Direction::None},
        {"x speed above", kDefaults, {{500, 500}, {505, 501}}, Direction::Right},
        {"y speed below", kDefaults, {{500, 500}, {501, 503}}, Direction::None},
        {"y speed at", kDefaults, {{500, 500}, {501, 504}}, Direction::None},
        {"y speed above", kDefaults, {{500, 500}, {501, 505}}, Direction::Down},
        {"x speed threshold 10, average 10",
         with([](RecognizerSettings& s) { s.xThreshold = 10; }),
         {{500, 500}, {512, 501}},
         Direction::None},
        {"x speed threshold 10, average 11",
         with([](RecognizerSettings& s) { s.xThreshold = 10; }),
         {{500, 500}, {514, 501}},
         Direction::Right},
        // One tick of speed leaves the accumulator at 1.
        {"accumulator above the direction threshold", kDefaults, {{500, 500}, {505, 501}}, Direction::Right},
        {"accumulator at the direction threshold",
         with([](RecognizerSettings& s) { s.directionThreshold = 1; }),
         {{500, 500}, {505, 501}},
         Direction::None},
        {"accumulator below the direction threshold",
         with([](RecognizerSettings& s) { s.directionThreshold = 2; }),
         {{500, 500}, {505, 501}},
         Direction::None},
        // Moving on one axis only keeps the averages at 0: the distance from the anchor alone classifies.
        {"x distance below", kDefaults, {{500, 500}, {529, 500}}, Direction::None},
        {"x distance at", kDefaults, {{500, 500}, {530, 500}}, Direction::None},
        {"x distance above", kDefaults, {{500, 500}, {531, 500}}, Direction::Right},
        {"y distance below", kDefaults, {{500, 500}, {500, 524}}, Direction::None},
        {"y distance at", kDefaults, {{500, 500}, {500, 525}}, Direction::None},
        {"y distance above", kDefaults, {{500, 500}, {500, 526}}, Direction::Down},
        {"x distance 40 at tbXPixel 40",
         with([](RecognizerSettings& s) { s.xPixel = 40; }),
         {{500, 500}, {540, 500}},
         Direction::None},
        {"x distance 41 at tbXPixel 40",
         with([](RecognizerSettings& s) { s.xPixel = 40; }),
         {{500, 500}, {541, 500}},
         Direction::Right},
    };
    for (const auto& row : table) {
        ClassifierRun run(row.settings);
        run.follow(row.path);
        EXPECT_EQ(run.classifier.current(), row.expected) << row.what;
    }
}

TEST(ClassifierThresholds, BeforeTheFirstCodeATurnWithinThePixelBoxKeepsTheAnchor) {
    // The stroke goes out at 20 or 70 degrees (dead zones with diagonals, so nothing is accepted), then
    // turns back; the turn moves the anchor only when the turning point lies more than tbXPixel (30) across
    // or tbYPixel (25) down from it.
    const Point press{500, 500};
    const struct {
        Point turn;
        Point anchor;
    } table[] = {
        {{529, 511}, press}, {{530, 511}, press}, {{531, 511}, {531, 511}},
        {{509, 524}, press}, {{509, 525}, press}, {{509, 526}, {509, 526}},
    };
    RecognizerSettings settings;
    settings.enableDiagonals = true;
    for (const auto& row : table) {
        ClassifierRun run(settings);
        run.follow({press, row.turn, {row.turn.x - 20, row.turn.y - 10}});
        EXPECT_EQ(run.classifier.anchor(), row.anchor) << row.turn.x << "," << row.turn.y;
    }
}

TEST(ClassifierThresholds, TheSmoothedAngleLeansOnTheNewAngle) {
    // The first classified angle (11) is taken as it is; the next one (31) weighs 0.65 against 0.35 for the
    // old value: round(3.85 + 20.15) = 24.
    ClassifierRun run(kDefaults);
    run.follow({{500, 500}, {505, 501}});
    EXPECT_EQ(run.classifier.smoothedAngle(), 11);
    run.classifier.step({510, 506}, Direction::None);
    EXPECT_EQ(run.classifier.smoothedAngle(), 24);
}

} // namespace
} // namespace flickmark
