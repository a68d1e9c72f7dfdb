#include "editors/gesture_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace flickmark {
namespace {

// A press along straight lines through `corners`, one point every 10 ms at `pixelsPerTenMs`, held still
// for `restMs` at the end before the release.
std::vector<TimedPoint> press(std::initializer_list<Point> corners, double pixelsPerTenMs = 5,
                              int restMs = 0) {
    std::vector<TimedPoint> points;
    std::int64_t time = 1000;
    const std::vector<Point> through(corners);
    points.push_back({time, through.front()});
    for (std::size_t i = 1; i < through.size(); ++i) {
        const Point a = through[i - 1];
        const Point b = through[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const int steps = std::max(1, static_cast<int>(std::ceil(length / pixelsPerTenMs)));
        for (int s = 1; s <= steps; ++s) {
            time += 10;
            const double f = static_cast<double>(s) / steps;
            points.push_back({time,
                              {static_cast<int>(std::lround(a.x + f * (b.x - a.x))),
                               static_cast<int>(std::lround(a.y + f * (b.y - a.y)))}});
        }
    }
    points.push_back({time + restMs, through.back()});
    return points;
}

RecognizerSettings settingsWith(bool precise, bool diagonals) {
    RecognizerSettings settings;
    settings.preciseRecognition = precise;
    settings.enableDiagonals = diagonals;
    return settings;
}

TEST(GestureDrawing, BothRecognizersReadWhatWasDrawn) {
    // The tick-by-tick recognizer measures from where a stroke's axis last reversed, so a turn that reverses
    // no axis shows only once the path from there leaves the first stroke's band; the precise one sees every
    // corner.
    const struct {
        const char* what;
        std::vector<TimedPoint> drawn;
        bool diagonals;
        const char* byTicks;
        const char* precise;
    } table[] = {
        {"right", press({{100, 100}, {300, 100}}), false, "3", "3"},
        {"up then right", press({{100, 300}, {100, 150}, {250, 150}}), false, "0", "03"},
        {"up then a long right", press({{100, 300}, {100, 150}, {400, 150}}), false, "03", "03"},
        {"left, down, right", press({{300, 100}, {150, 100}, {150, 250}, {300, 250}}), false, "21", "213"},
        {"down-right diagonal", press({{100, 100}, {220, 220}}), true, "6", "6"},
        {"up-right diagonal, then down", press({{100, 300}, {220, 180}, {220, 330}}), true, "41", "41"},
        {"held still at the end", press({{100, 100}, {100, 250}}, 5, 600), false, "1", "1"},
        {"a click", press({{100, 100}}), false, "", ""},
        {"a wobble of a few pixels", press({{100, 100}, {106, 104}, {102, 98}}), false, "", ""},
    };
    for (const bool precise : {false, true}) {
        for (const auto& row : table) {
            const DrawingReading reading = readDrawing(row.drawn, settingsWith(precise, row.diagonals));
            EXPECT_EQ(reading.gesture, precise ? row.precise : row.byTicks)
                << row.what << (precise ? " (precise)" : "");
            EXPECT_EQ(reading.path.size(), row.drawn.size()) << row.what;
            EXPECT_EQ(reading.corners.size(), reading.gesture.empty() ? 0 : reading.gesture.size() + 1)
                << row.what;
        }
    }
}

TEST(GestureDrawing, CornersLieWhereThePathTurns) {
    const std::vector<Point> upRightDown{{100, 300}, {100, 250}, {100, 200}, {102, 150}, {150, 148},
                                         {200, 150}, {250, 152}, {251, 200}, {250, 260}};
    const struct {
        std::vector<Point> path;
        const char* gesture;
        std::vector<Point> corners;
    } table[] = {
        {upRightDown, "031", {{100, 300}, {102, 150}, {250, 152}, {250, 260}}},
        {upRightDown, "3", {{100, 300}, {250, 260}}},
        // An overshoot past the turn is the corner: the stroke got that far.
        {{{0, 0}, {100, 0}, {120, 0}, {110, 50}, {110, 100}}, "31", {{0, 0}, {120, 0}, {110, 100}}},
        {{{5, 5}}, "3", {{5, 5}, {5, 5}}},
        {upRightDown, "", {}},
    };
    for (const auto& row : table)
        EXPECT_EQ(strokeCorners(row.path, row.gesture), row.corners) << row.gesture;
}

TEST(GestureDrawing, DoubtsNameShortStrokesAndStrokesNearABorder) {
    const struct {
        std::vector<Point> corners;
        const char* gesture;
        bool diagonals;
        std::vector<std::string> doubts;
    } table[] = {
        {{{0, 0}, {200, 0}}, "3", false, {}},
        {{{0, 0}, {40, 0}}, "3", false, {"Stroke 1 (RIGHT) is only just long enough: draw it longer."}},
        {{{0, 0}, {0, -200}, {44, -200}},
         "03",
         false,
         {"Stroke 2 (RIGHT) is only just long enough: draw it longer."}},
        {{{0, 0}, {200, 150}}, "3", false, {"Stroke 1 (RIGHT) lies close to DOWN: draw it more clearly."}},
        {{{0, 0}, {150, 200}}, "1", false, {"Stroke 1 (DOWN) lies close to RIGHT: draw it more clearly."}},
        // With diagonals the borders lie 20 degrees either side of each diagonal.
        {{{0, 0}, {200, -100}}, "4", true, {"Stroke 1 (NE) lies close to RIGHT: draw it more clearly."}},
        {{{0, 0}, {200, -200}}, "4", true, {}},
        {{{0, 0}, {200, -100}}, "3", false, {}},
        {{{0, 0}, {28, -16}},
         "4",
         true,
         {"Stroke 1 (NE) is only just long enough: draw it longer.",
          "Stroke 1 (NE) lies close to RIGHT: draw it more clearly."}},
    };
    for (const auto& row : table) {
        RecognizerSettings settings;
        settings.enableDiagonals = row.diagonals;
        EXPECT_EQ(strokeDoubts(row.corners, row.gesture, settings), row.doubts) << row.gesture;
    }
}

TEST(GestureDrawing, OneDrawingIsTakenAsItReads) {
    GestureDrawing drawing{settingsWith(true, false)};
    EXPECT_EQ(drawing.status(), "Nothing drawn yet.");
    EXPECT_EQ(drawing.chosen(), "");
    drawing.drawn(press({{100, 300}, {100, 150}, {250, 150}}));
    EXPECT_EQ(drawing.status(), "Read as UP+RIGHT.");
    EXPECT_EQ(drawing.chosen(), "03");
    ASSERT_TRUE(drawing.shown());
    EXPECT_EQ(drawing.shown()->corners.size(), 3U);
    drawing.drawn(press({{100, 100}}));
    EXPECT_EQ(drawing.status(), "No gesture was read: draw each stroke longer, with the button held down.");
    EXPECT_EQ(drawing.chosen(), "");
}

TEST(GestureDrawing, ThreeDrawingsAreTakenOnlyWhenTheyAgree) {
    const auto upRight = press({{100, 300}, {100, 150}, {250, 150}});
    // A short second stroke, and one too short to be a stroke.
    const auto upShortRight = press({{100, 300}, {100, 150}, {160, 150}});
    const auto upTooShortRight = press({{100, 300}, {100, 150}, {125, 150}});
    GestureDrawing drawing{settingsWith(true, false)};
    drawing.drawn(upRight);
    drawing.setThreeTimes(true);
    EXPECT_FALSE(drawing.shown()) << "switching starts again";
    EXPECT_EQ(drawing.status(), "Draw the gesture three times: it is taken when all three drawings agree.");

    drawing.drawn(upRight);
    EXPECT_EQ(drawing.status(), "Drawing 1 of 3 read as UP+RIGHT: draw it again.");
    EXPECT_EQ(drawing.chosen(), "");
    drawing.drawn(upRight);
    EXPECT_EQ(drawing.status(), "Drawing 2 of 3 read as UP+RIGHT: draw it once more.");
    drawing.drawn(upRight);
    EXPECT_EQ(drawing.status(), "All three drawings read UP+RIGHT.");
    EXPECT_EQ(drawing.chosen(), "03");

    // The next drawing starts a new round; a stroke too short for the recognizer makes them differ.
    drawing.drawn(upRight);
    drawing.drawn(upTooShortRight);
    EXPECT_EQ(drawing.status(), "Drawing 2 of 3 read as UP: draw it once more.");
    drawing.drawn(upShortRight);
    EXPECT_EQ(drawing.status(),
              "The drawings differ: UP+RIGHT, UP and UP+RIGHT. Stroke 2 (RIGHT) is only just "
              "long enough: draw it longer. Draw it three times again.");
    EXPECT_EQ(drawing.chosen(), "");
}

} // namespace
} // namespace flickmark
