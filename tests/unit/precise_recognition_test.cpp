// Precise recognition: gestures from the whole path of the press, and the pause for help that jitter does
// not end.
#include "recognizer/path_segmenter.h"
#include "recognizer/press_path.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace flickmark {
namespace {

using Calls = std::vector<std::string>;

RecognizerSettings settingsWith(bool precise, bool diagonals) {
    RecognizerSettings settings;
    settings.preciseRecognition = precise;
    settings.enableDiagonals = diagonals;
    return settings;
}

void draw(TraceRunner& run, const std::vector<Point>& path) {
    StrokeScript script(run);
    for (const Point p : path)
        script.hold({p});
    script.release();
}

Calls gesturesOf(bool precise, bool diagonals, const std::vector<Point>& path) {
    TraceRunner run(settingsWith(precise, diagonals));
    draw(run, path);
    return run.library.gestures();
}

// Straight strokes of 120 pixels with sharp corners, 30 pixels a tick; a cardinal stroke trembles by a pixel
// across its axis, as a hand does (the tick-by-tick steps take no speed from a move along one axis only).
std::vector<Point> cleanPath(const std::string& gesture) {
    // One tick's move per direction code: Up, Down, Left, Right, NE, NW, SE, SW.
    constexpr Point kSteps[] = {{0, -30},  {0, 30},    {-30, 0}, {30, 0},
                                {30, -30}, {-30, -30}, {30, 30}, {-30, 30}};
    std::vector<Point> path{{800, 600}};
    for (const char digit : gesture) {
        const Point step = kSteps[digit - '0'];
        for (int i = 0; i < 4; ++i) {
            const int tremble = i % 2 == 0 ? 1 : -1;
            path.push_back({path.back().x + (step.x != 0 ? step.x : tremble),
                            path.back().y + (step.y != 0 ? step.y : tremble)});
        }
    }
    path.push_back(path.back());
    return path;
}

TEST(PreciseRecognition, FindsTheGesturesThatTickByTickStepsGetWrong) {
    const struct {
        const char* shape;
        bool diagonals;
        std::vector<Point> path;
        const char* gesture;
    } table[] = {
        // The tick-by-tick steps see only Right: x never reverses, so the anchor stays at the start.
        {"a corner without an axis reversal",
         false,
         {{500, 500}, {540, 502}, {590, 504}, {630, 506}, {645, 530}, {650, 570}, {653, 610}, {655, 640}},
         "31"},
        // They take the rise and fall of the Right stroke for an Up of its own.
        {"a bulge across a stroke",
         false,
         {{500, 500},
          {497, 497},
          {472, 499},
          {449, 499},
          {446, 501},
          {485, 476},
          {588, 457},
          {662, 475},
          {663, 477}},
         "23"},
        // A wobble at a stroke's end: they split NW into Up and Left as the stroke flattens towards its end.
        {"a stroke bending at its end",
         true,
         {{500, 300},
          {500, 301},
          {493, 335},
          {489, 386},
          {484, 421},
          {483, 431},
          {477, 431},
          {462, 399},
          {421, 336},
          {350, 271},
          {265, 224},
          {216, 204},
          {203, 201},
          {205, 202}},
         "15"},
    };
    for (const auto& row : table)
        EXPECT_EQ(gesturesOf(true, row.diagonals, row.path), Calls{row.gesture}) << row.shape;
}

TEST(PreciseRecognition, ARoundedCornerBetweenDiagonalsIsNoStrokeEvenWhenLongerThanOneOfThem) {
    // The round shows as a Right between the two diagonals, longer than the short second stroke.
    const std::vector<Point> v{{500, 500}, {530, 530}, {560, 560}, {590, 590}, {606, 606},
                               {620, 610}, {640, 612}, {656, 606}, {672, 590}, {688, 574}};
    std::vector<Point> upsideDown = v;
    for (Point& p : upsideDown)
        p.y = 1000 - p.y;
    const struct {
        const char* shape;
        std::vector<Point> path;
        const char* gesture;
    } table[] = {{"a V", v, "64"}, {"an upside-down V", upsideDown, "46"}};
    for (const auto& row : table)
        EXPECT_EQ(gesturesOf(true, true, row.path), Calls{row.gesture}) << row.shape;
}

TEST(PreciseRecognition, StrokesIntoTheScreensEdgeKeepTheirDirection) {
    // Right, then Down into the bottom edge of the 1920 x 1080 screen: the cursor stops 14 pixels down.
    const auto rightThenDown = [](int bottom) {
        return std::vector<Point>{{800, bottom - 14}, {860, bottom - 13}, {920, bottom - 14},
                                  {960, bottom - 13}, {963, bottom - 6},  {964, bottom},
                                  {966, bottom},      {966, bottom}};
    };
    const struct {
        const char* shape;
        std::vector<Point> path;
        const char* gesture;
    } table[] = {
        {"the short Down ends on the edge", rightThenDown(1079), "31"},
        {"the same short Down away from the edge is a hook", rightThenDown(700), "3"},
        // The hand goes on to the left beyond the edge; the cursor only slides up along it.
        {"a Left into the left edge, drifting along it",
         {{60, 500}, {40, 497}, {20, 494}, {0, 490}, {0, 472}, {0, 458}, {0, 455}},
         "2"},
        // Up is drawn against the top edge after a Right along it: only its drift to the left shows.
        {"a stroke drawn wholly against the edge",
         {{600, 4}, {650, 3}, {700, 1}, {740, 0}, {745, 0}, {735, 0}, {724, 0}, {722, 0}},
         "30"},
        {"a press trembling against the edge", {{500, 1077}, {501, 1079}, {503, 1079}, {502, 1079}}, ""},
        {"a twitch into the edge, shorter than any stroke", {{500, 1072}, {502, 1079}, {505, 1079}}, ""},
        // The Down shows 10 pixels before the cursor stops, and turns off the Right's line by less than 9.
        {"a short Down turning gently off a Right into the edge",
         {{800, 1070}, {860, 1071}, {920, 1070}, {960, 1071}, {964, 1075}, {967, 1079}},
         "31"},
        {"a slide too short to show a stroke drawn against the edge",
         {{600, 4}, {650, 3}, {700, 1}, {740, 0}, {745, 0}, {738, 0}},
         "3"},
        {"a Left into the left edge, then a Down along it",
         {{120, 500}, {90, 497}, {60, 494}, {30, 491}, {0, 490}, {0, 510}, {0, 530}, {0, 550}},
         "21"},
    };
    for (const auto& row : table)
        EXPECT_EQ(gesturesOf(true, false, row.path), row.gesture[0] ? Calls{row.gesture} : Calls{})
            << row.shape;
}

TEST(PreciseRecognition, AHookAlongTheScreensEdgeJoinsItsStrokeAsItDoesAwayFromTheEdge) {
    // The cursor cannot leave the screen, so a hook curling back off the edge slides along it instead.
    const auto shifted = [](std::vector<Point> path, Point by) {
        for (Point& p : path)
            p = {p.x + by.x, p.y + by.y};
        return path;
    };
    const std::vector<Point> rightThenHook{{600, 0}, {660, 0}, {720, 0}, {780, 0}, {792, 0}, {780, 0}};
    const std::vector<Point> downThenHook{{0, 300}, {0, 360}, {0, 420}, {0, 480}, {0, 492}, {0, 480}};
    const std::vector<Point> rightHookDown{{600, 0}, {660, 0},  {720, 0},   {780, 0},  {792, 0},
                                           {780, 0}, {781, 40}, {782, 100}, {782, 160}};
    const struct {
        const char* shape;
        std::vector<Point> path;
        const char* gesture;
    } table[] = {
        {"a Right along the top edge", rightThenHook, "3"},
        {"the same Right away from the edge", shifted(rightThenHook, {0, 300}), "3"},
        {"a Down along the left edge", downThenHook, "1"},
        {"the same Down away from the edge", shifted(downThenHook, {300, 0}), "1"},
        {"a hook between two strokes, at the top edge", rightHookDown, "31"},
        {"a hook between two strokes, away from the edge", shifted(rightHookDown, {0, 300}), "31"},
    };
    for (const auto& row : table)
        EXPECT_EQ(gesturesOf(true, false, row.path), Calls{row.gesture}) << row.shape;
}

TEST(PreciseRecognition, AStrokeAlongTheEdgeOntoAMonitorThatReachesFurtherStaysOneStroke) {
    // Crossing onto the next monitor the cursor drops to its edge, 10 pixels further out: only the hand's
    // push against the edge shows, not a stroke of its own.
    const Rect main{0, 0, 1920, 1080};
    const struct {
        const char* shape;
        Rect next;
        std::vector<Point> path;
        const char* gesture;
    } table[] = {
        {"a Right along the bottom edge onto a taller monitor",
         {1920, 0, 3840, 1090},
         {{1700, 1079},
          {1760, 1079},
          {1820, 1079},
          {1880, 1079},
          {1915, 1079},
          {1921, 1089},
          {1980, 1089},
          {2040, 1089},
          {2100, 1089}},
         "3"},
        {"a Down along the right edge onto a wider monitor",
         {0, 1080, 1930, 2160},
         {{1919, 800},
          {1919, 860},
          {1919, 920},
          {1919, 980},
          {1919, 1075},
          {1929, 1081},
          {1929, 1140},
          {1929, 1200},
          {1929, 1260}},
         "1"},
    };
    for (const auto& row : table) {
        TraceRunner run(settingsWith(true, false));
        run.desktop.monitorList = {main, row.next};
        draw(run, row.path);
        EXPECT_EQ(run.library.gestures(), Calls{row.gesture}) << row.shape;
    }
}

TEST(PreciseRecognition, CleanStrokesGiveTheSameGestureInBothModes) {
    std::vector<std::pair<std::string, bool>> gestures;
    for (const bool diagonals : {false, true}) {
        const std::size_t codes = diagonals ? 8 : 4;
        for (const Direction a : std::span(kGestureDirections).first(codes)) {
            gestures.push_back({std::string(1, directionDigit(a)), diagonals});
            for (const Direction b : std::span(kGestureDirections).first(codes))
                if (a != b && !areAdjacent(a, b))
                    gestures.push_back({std::string{directionDigit(a), directionDigit(b)}, diagonals});
        }
    }
    for (const char* longer : {"0312", "2130", "301", "1023"})
        gestures.push_back({longer, false});
    for (const char* longer : {"4707", "1537", "0757"})
        gestures.push_back({longer, true});

    for (const auto& [gesture, diagonals] : gestures) {
        const std::vector<Point> path = cleanPath(gesture);
        EXPECT_EQ(gesturesOf(false, diagonals, path), Calls{gesture}) << "normal " << gesture;
        TraceRunner run(settingsWith(true, diagonals));
        draw(run, path);
        EXPECT_EQ(run.library.gestures(), Calls{gesture}) << "precise " << gesture;
        // One recorded step per stroke, so the angle of stroke i is the step angle i.
        ASSERT_EQ(run.recognizer.codes().size(), gesture.size()) << gesture;
        for (std::size_t i = 0; i < gesture.size(); ++i)
            EXPECT_EQ(run.recognizer.stepAngle(i), directionAngle(directionFromDigit(gesture[i])))
                << gesture << " stroke " << i;
    }
}

TEST(PreciseRecognition, PressesWithoutAStrokeHandNothingOver) {
    const struct {
        const char* press;
        std::vector<Point> path;
    } table[] = {
        {"a still press", {{500, 500}, {500, 500}, {500, 500}, {500, 500}}},
        {"a tap with jitter", {{500, 500}, {501, 499}, {502, 501}, {500, 502}, {499, 500}}},
        {"a move shorter than the minimum", {{500, 500}, {510, 500}, {520, 501}, {527, 501}}},
        {"a slow creep shorter than the minimum",
         {{500, 500},
          {502, 500},
          {505, 501},
          {507, 500},
          {510, 501},
          {513, 500},
          {515, 500},
          {518, 501},
          {521, 500},
          {524, 501}}},
        {"a small circle", {{500, 500}, {510, 495}, {518, 502}, {512, 512}, {502, 510}, {499, 501}}},
        {"a diagonal shorter than its minimum", {{500, 500}, {507, 493}, {514, 486}}},
    };
    for (const auto& row : table) {
        TraceRunner run(settingsWith(true, true));
        draw(run, row.path);
        EXPECT_TRUE(run.library.calls.empty()) << row.press;
    }
}

TEST(PreciseRecognition, HelpOpensWhenTheHandRestsOnTheFirstStrokeForThePause) {
    const std::vector<Point> up{{500, 500}, {500, 470}, {501, 420}, {500, 380}};
    const struct {
        const char* after;
        std::vector<Point> path; // after the first stroke, up to the release
        bool help;
    } table[] = {
        {"a rest with two pixels of jitter",
         {{500, 378},
          {501, 379},
          {499, 377},
          {500, 379},
          {502, 378},
          {500, 377},
          {501, 379},
          {499, 378},
          {500, 380},
          {501, 378},
          {500, 377},
          {502, 379}},
         true},
        {"a small hook, then a rest",
         {{506, 376},
          {510, 375},
          {510, 375},
          {511, 376},
          {510, 375},
          {510, 374},
          {511, 375},
          {510, 375},
          {510, 376},
          {509, 375},
          {510, 375},
          {510, 375},
          {511, 375}},
         true},
        {"a slow move on along the stroke",
         {{500, 370},
          {500, 360},
          {500, 350},
          {500, 340},
          {500, 330},
          {500, 320},
          {500, 310},
          {500, 300},
          {500, 290},
          {500, 280},
          {500, 270},
          {500, 260}},
         false},
        {"a second stroke, then a rest",
         {{500, 380},
          {530, 380},
          {580, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381},
          {590, 381}},
         false},
    };
    for (const auto& row : table) {
        TraceRunner run(settingsWith(true, false));
        std::vector<Point> path = up;
        path.insert(path.end(), row.path.begin(), row.path.end());
        draw(run, path);
        const bool helped =
            !run.library.calls.empty() && run.library.calls.front().kind == LibraryCall::Kind::ShowHelp;
        EXPECT_EQ(helped, row.help) << row.after;
        if (helped) {
            EXPECT_EQ(run.library.calls.front().firstCode, Direction::Up) << row.after;
        }
    }
}

TEST(PressPath, KeepsTheShapeOfAPressOfAnyLengthInBoundedRoom) {
    PressPath path;
    for (int i = 0; i < 20000; ++i) // a slow Up of 4,000 pixels with a wobble, then Right
        path.add(i < 12000 ? Point{1000 + i % 2, 5000 - i / 3} : Point{1000 + i - 12000, 1000});
    EXPECT_LE(path.points().size(), PressPath::kCapacity);
    EXPECT_EQ(path.points().front(), (Point{1000, 5000}));
    const std::vector<Stroke> strokes = segmentPath(path.points(), StrokeRules{});
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].code, Direction::Up);
    EXPECT_EQ(strokes[1].code, Direction::Right);
}

// A slow Right of 3 pixels a point, then a quick Up and Down whose top is the newest point when the store is
// thinned for the first, second or third time: the point that thinning must not lose with the corners it
// holds.
TEST(PressPath, ThinningKeepsTheFirstPointAnEvenGrainAndTheNewestPoint) {
    constexpr int kStep = 3;
    for (const int thinnings : {1, 2, 3}) {
        PressPath path;
        int added = 0;
        int thinned = 0;
        const auto addSlowPoint = [&] {
            const std::size_t before = path.points().size();
            path.add({kStep * added++, 1000});
            thinned += path.points().size() < before ? 1 : 0;
        };
        while (thinned < thinnings - 1 || path.points().size() < PressPath::kCapacity - 1)
            addSlowPoint();
        const int x = kStep * (added - 1);
        path.add({x, 850}); // the top: the store is full
        path.add({x, 1000});
        path.add({x, 1150});

        const std::span<const Point> kept = path.points();
        EXPECT_EQ(kept.front(), (Point{0, 1000})) << thinnings;
        const int grain = kStep << thinnings;
        for (std::size_t i = 1; i < 32; ++i)
            EXPECT_EQ(kept[i].x - kept[i - 1].x, grain) << thinnings << " thinnings, point " << i;
        const std::vector<Stroke> strokes = segmentPath(kept, StrokeRules{});
        std::string codes;
        for (const Stroke& stroke : strokes)
            codes += directionDigit(stroke.code);
        EXPECT_EQ(codes, "301") << thinnings << " thinnings";
    }
}

} // namespace
} // namespace flickmark
