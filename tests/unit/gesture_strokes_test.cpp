// Whole strokes through the recognizer: which direction codes a movement yields and what is handed over.
#include "stroke_script.h"

#include <gtest/gtest.h>

#include <limits>

namespace flickmark {
namespace {

using Calls = std::vector<std::string>;

TEST(GestureStrokes, UpThenRightIsHandedOverAs03) {
    TraceRunner run;
    StrokeScript(run).hold({{500, 500}, {500, 470}, {530, 470}}).release();
    ASSERT_EQ(run.library.calls.size(), 1u);
    EXPECT_EQ(run.library.calls[0].kind, LibraryCall::Kind::GestureFinished);
    EXPECT_EQ(run.library.calls[0].gesture, "03");
    EXPECT_EQ(run.library.calls[0].strokeAngles, (std::vector<int>{270, 315}));
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up, Direction::Right}));
    EXPECT_EQ(run.recognizer.lengths(), (std::vector<int>{30, 42}));
    EXPECT_EQ(run.recognizer.angles(), (std::vector<int>{270, 315}));
    EXPECT_EQ(run.recognizer.stepAngle(1), 315);
    EXPECT_EQ(run.recognizer.stepAngle(2), 0);
    EXPECT_EQ(run.log.lines().back(), "Direction RIGHT    len - 42    Angle - (315)");
}

TEST(GestureStrokes, WithDiagonalsAFilteredDiagonalStillEndsInTheStrokeDrawn) {
    TraceRunner run(withDiagonals());
    // Right from the old anchor reads as NE here, which the filter refuses after Up; further right it is
    // Right.
    StrokeScript(run).hold({{500, 500}, {500, 470}, {530, 470}, {560, 470}}).release();
    ASSERT_EQ(run.library.calls.size(), 1u);
    EXPECT_EQ(run.library.calls[0].gesture, "03");
    EXPECT_TRUE(logHasLineStartingWith(run.log, " error combo x,y 500,470"));
}

TEST(GestureStrokes, AClickWithoutMovementHandsNothingOver) {
    TraceRunner run;
    StrokeScript(run).hold({{500, 500}}).stay(5).release();
    EXPECT_TRUE(run.library.calls.empty());
    EXPECT_TRUE(run.recognizer.codes().empty());
    EXPECT_TRUE(run.arrows.shown.empty());
}

TEST(GestureStrokes, HoldingOneDirectionExtendsOneStep) {
    TraceRunner run;
    StrokeScript(run).hold({{500, 500}, {500, 470}, {500, 440}, {500, 400}}).release();
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up}));
    EXPECT_EQ(run.recognizer.lengths(), (std::vector<int>{100}));
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
}

TEST(GestureStrokes, ATickWithoutCodeSplitsTheStepButNotTheGesture) {
    TraceRunner run;
    // Up, back within the minimum distance (no code), Up again.
    StrokeScript(run).hold({{500, 500}, {500, 470}, {500, 490}, {500, 460}}).release();
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up, Direction::Up}));
    EXPECT_EQ(run.library.gestures(), Calls{"0"});
    int directionLines = 0;
    for (const auto& line : run.log.lines())
        directionLines += line.starts_with("Direction UP") ? 1 : 0;
    EXPECT_EQ(directionLines, 1);
}

// A stroke to the right with a slight downward drift, ending `distance` pixels right of the press.
TEST(GestureAcceptance, CardinalsNeedTheMinimumDistanceFromTheAnchor) {
    const struct {
        int xPixel, yPixel;
        Point end;
        Calls expected;
    } table[] = {
        {30, 25, {529, 505}, {}},    {30, 25, {530, 506}, {"3"}}, {40, 25, {539, 506}, {}},
        {40, 25, {540, 507}, {"3"}}, {30, 25, {505, 524}, {}},    {30, 25, {505, 525}, {"1"}},
        {30, 40, {505, 539}, {}},    {30, 40, {505, 540}, {"1"}},
    };
    for (const auto& row : table) {
        RecognizerSettings settings;
        settings.xPixel = row.xPixel;
        settings.yPixel = row.yPixel;
        TraceRunner run(settings);
        const Point mid{(500 + row.end.x) / 2, (500 + row.end.y) / 2};
        StrokeScript(run).hold({{500, 500}, mid, row.end}).release();
        EXPECT_EQ(run.library.gestures(), row.expected)
            << "end " << row.end.x << "," << row.end.y << " pixels " << row.xPixel << "/" << row.yPixel;
        if (row.expected.empty()) {
            EXPECT_TRUE(logHasLineStartingWith(run.log, " Pixel Failed "));
        }
    }
}

TEST(GestureAcceptance, DiagonalsNeedDxPlusDyOfRoundedOnePointThreeTimesYPixel) {
    // 1.3 * 25 = 32.5 rounds to 32 (half to even); tbXPixel plays no part.
    const struct {
        int xPixel, yPixel;
        Point end;
        Calls expected;
    } table[] = {
        {30, 25, {515, 485}, {}}, {30, 25, {516, 484}, {"4"}}, {150, 25, {516, 484}, {"4"}},
        {30, 30, {519, 482}, {}}, {30, 30, {520, 481}, {"4"}}, // 39
        {30, 25, {485, 515}, {}}, {30, 25, {484, 516}, {"7"}},
    };
    for (const auto& row : table) {
        RecognizerSettings settings = withDiagonals();
        settings.xPixel = row.xPixel;
        settings.yPixel = row.yPixel;
        TraceRunner run(settings);
        StrokeScript(run).hold({{500, 500}, row.end}).release();
        EXPECT_EQ(run.library.gestures(), row.expected)
            << "end " << row.end.x << "," << row.end.y << " pixels " << row.xPixel << "/" << row.yPixel;
        if (row.expected.empty()) {
            EXPECT_TRUE(logHasLineStartingWith(run.log, " Diagonal Pixel Failed "));
        }
    }
}

TEST(GestureAcceptance, ADiagonalBesideTheLastCodeIsRefusedEveryTime) {
    // After Up, NE is the tail of the same stroke: refused at every tick, however long, so "04" cannot be
    // drawn. SE is not beside Up, so "06" can.
    TraceRunner ne(withDiagonals());
    StrokeScript(ne)
        .hold({{500, 500}, {500, 470}, {520, 450}, {540, 430}, {560, 410}, {580, 390}, {600, 370}})
        .release();
    EXPECT_EQ(ne.library.gestures(), Calls{"0"});
    int refusals = 0;
    for (const auto& line : ne.log.lines())
        refusals += line.starts_with(" error combo x,y ") ? 1 : 0;
    EXPECT_GE(refusals, 4);

    TraceRunner se(withDiagonals());
    StrokeScript(se).hold({{500, 500}, {500, 470}, {520, 490}, {540, 510}, {560, 530}}).release();
    EXPECT_EQ(se.library.gestures(), Calls{"06"});
}

TEST(GestureAcceptance, ACardinalBesideTheLastDiagonalIsRefused) {
    TraceRunner run(withDiagonals());
    // NE, then straight up: Up is beside NE and refused at every tick, also at rest; then left, which is not.
    StrokeScript(run)
        .hold({{500, 500},
               {520, 480},
               {540, 460},
               {540, 420},
               {540, 380},
               {540, 340},
               {540, 340},
               {500, 340},
               {460, 340}})
        .release();
    EXPECT_EQ(run.library.gestures(), Calls{"42"});
    EXPECT_TRUE(logHasLineStartingWith(run.log, " error combo x,y "));
}

TEST(GestureReanchoring, TheFirstMovementAfterACodeMovesTheAnchor) {
    TraceRunner run(withDiagonals());
    StrokeScript(run).hold({{500, 500}, {500, 470}, {520, 490}});
    EXPECT_TRUE(logHasLineStartingWith(run.log, " direction reversed x,y 500,470"));
}

TEST(GestureReanchoring, ATurnBeforeTheFirstCodeMovesTheAnchorOnlyOutsideThePixelBox) {
    // Inside the box around the anchor a turn is a wobble of the press.
    TraceRunner inside(withDiagonals());
    StrokeScript(inside).hold({{500, 500}, {510, 505}, {490, 510}});
    EXPECT_FALSE(logHasLineStartingWith(inside.log, " direction reversed"));
    EXPECT_EQ(inside.recognizer.liveValues().anchor, (Point{500, 500}));

    // 20 degrees is in a dead zone, so nothing is accepted; the turn then happens 35 px out.
    TraceRunner outside(withDiagonals());
    StrokeScript(outside).hold({{500, 500}, {535, 513}, {490, 520}});
    EXPECT_TRUE(outside.recognizer.codes().empty());
    EXPECT_TRUE(logHasLineStartingWith(outside.log, " direction reversed x,y 535,513"));
    EXPECT_EQ(outside.recognizer.liveValues().anchor, (Point{535, 513}));
}

TEST(GestureReanchoring, AfterTheFirstCodeATurnMovesTheAnchorEvenInsideThePixelBox) {
    TraceRunner run;
    // Up is accepted 25 px above the press; then the cursor turns left, still inside the box.
    StrokeScript(run).hold({{500, 500}, {502, 475}, {498, 474}});
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up}));
    EXPECT_TRUE(logHasLineStartingWith(run.log, " direction reversed x,y 502,475"));
    EXPECT_EQ(run.recognizer.liveValues().anchor, (Point{502, 475}));
}

TEST(GestureReanchoring, AnAnchorOnTheScreenEdgeClassifiesNothingUntilATurnMovesIt) {
    TraceRunner run;
    StrokeScript script(run);
    // Pressed at x = 0: the anchor (0, 400) has no angle, however far the cursor goes straight right.
    script.hold({{0, 400}, {40, 400}, {80, 400}, {120, 400}});
    EXPECT_TRUE(run.recognizer.codes().empty());
    EXPECT_EQ(run.recognizer.liveValues().anchor, (Point{0, 400}));
    // A movement on both axes is a first turn: the anchor moves and strokes count again.
    script.hold({{130, 410}, {170, 410}, {210, 410}}).release();
    EXPECT_EQ(run.library.gestures(), Calls{"3"});
}

TEST(GestureReanchoring, AStepEndingOnTheScreenEdgeHasLengthZero) {
    TraceRunner run;
    StrokeScript(run).hold({{500, 40}, {500, 0}}).release();
    EXPECT_EQ(run.recognizer.codes(), (std::vector{Direction::Up}));
    EXPECT_EQ(run.recognizer.lengths(), (std::vector<int>{0}));
    EXPECT_EQ(run.recognizer.angles(), (std::vector<int>{270}));
}

TEST(GestureClassifier, FarIntoADeadZoneThePlainBandsDecide) {
    // 20 and 70 degrees lie in dead-zone strips; beyond round(1.5 * tbXPixel) = 45 px across or
    // round(1.5 * tbYPixel) = 38 px down the bands without dead zone decide.
    const struct {
        Point end;
        Calls expected;
    } table[] = {
        {{540, 515}, {}}, {{545, 516}, {}}, {{546, 517}, {"3"}},
        {{514, 537}, {}}, {{514, 538}, {}}, {{514, 539}, {"1"}},
    };
    for (const auto& row : table) {
        TraceRunner run(withDiagonals());
        StrokeScript(run).hold({{500, 500}, row.end}).release();
        EXPECT_EQ(run.library.gestures(), row.expected) << row.end.x << "," << row.end.y;
        EXPECT_TRUE(logHasLineStartingWith(run.log, "dead zone"));
        EXPECT_EQ(logHasLineStartingWith(run.log, "long dead zone override"), !row.expected.empty());
    }
}

TEST(GestureClassifier, SpeedIsMeasuredAgainstTheMonitorUnderTheCursor) {
    // 28 px on a 1600 px wide monitor: 28 / 1600 * 2200 is a hair above 38.5 when divided first, so the
    // sample is 39 and the average round(0.8 * 39) = 31. On the 1920 px monitor the sample is 32 (average
    // 26).
    constexpr int kFar = 1 << 30; // cursor positions are held within +-2^30
    constexpr int kIntMax = std::numeric_limits<int>::max();
    constexpr int kIntMin = std::numeric_limits<int>::min();
    const struct {
        Point from;
        Point to;
        int avgX;
    } table[] = {
        {{2000, 300}, {2028, 305}, 31},
        {{500, 300}, {528, 305}, 26},
        {{500, 300}, {528, 300}, 0}, // movement on one axis only leaves the averages alone
        {{500, 300}, {500, 305}, 0},
        // A step of 2^31 pixels saturates the sample; the average is 0.8f (a little above 0.8) times it.
        {{-kFar, 300}, {kFar, 305}, 1717986943},
        {{kIntMin, 300}, {kIntMax, 305}, 1717986943},
        {{kFar, 300}, {-kFar, 305}, -1717986944},
    };
    for (const auto& row : table) {
        TraceRunner run;
        run.desktop.monitorList = {Rect{0, 0, 1920, 1080}, Rect{1920, 0, 3520, 900}};
        StrokeScript(run).hold({row.from, row.to});
        EXPECT_EQ(run.recognizer.liveValues().avgX, row.avgX)
            << row.from.x << "," << row.from.y << " to " << row.to.x << "," << row.to.y;
    }
}

TEST(GestureArrows, FirstArrowBesideTheCursorThenEachNewDirectionInItsPlace) {
    const struct {
        Point end;
        Direction code;
        Point at;
    } table[] = {
        {{500, 470}, Direction::Up, {410, 475}},
        {{500, 530}, Direction::Down, {410, 490}},
        {{540, 500}, Direction::Right, {450, 530}},
        {{460, 500}, Direction::Left, {370, 530}},
    };
    for (const auto& row : table) {
        TraceRunner run;
        StrokeScript(run).hold({{500, 500}, row.end}).stay(2);
        ASSERT_EQ(run.arrows.shown.size(), 1u);
        EXPECT_EQ(run.arrows.shown[0], (FakeArrowPopup::Shown{row.code, row.at}));
    }

    TraceRunner run;
    StrokeScript(run).hold({{500, 500}, {500, 470}, {500, 440}, {530, 440}, {560, 440}}).release();
    const std::vector<FakeArrowPopup::Shown> expected = {{Direction::Up, {410, 475}},
                                                         {Direction::Right, {410, 475}}};
    EXPECT_EQ(run.arrows.shown, expected);
    EXPECT_FALSE(run.arrows.isShowing());
    EXPECT_EQ(run.scratchpad.points.size(), 4u); // one per recorded code
}

TEST(GestureStrokes, AGestureComesOutTheSameWhateverGestureCameBefore) {
    // Each second stroke turns after its first code, in the direction the first stroke ended in: the turn
    // must move the anchor as it does in a fresh run.
    const struct {
        std::vector<Point> before;
        std::vector<Point> gesture;
    } table[] = {
        {{{500, 500}, {530, 505}, {560, 510}}, {{500, 500}, {500, 530}, {520, 540}, {550, 540}}},
        {{{500, 500}, {470, 495}, {440, 490}}, {{500, 500}, {500, 470}, {480, 460}, {450, 460}}},
        {{{500, 500}, {500, 470}, {530, 470}}, {{500, 500}, {500, 470}, {530, 470}}},
    };
    for (const auto& row : table) {
        TraceRunner alone;
        TraceRunner after;
        StrokeScript first(alone);
        StrokeScript second(after);
        for (const Point p : row.before)
            second.hold({p});
        second.release();
        for (const Point p : row.gesture) {
            first.hold({p});
            second.hold({p});
        }
        first.release();
        second.release();
        EXPECT_EQ(after.log.lines(), alone.log.lines()) << "after " << row.before.back().x;
        EXPECT_EQ(after.recognizer.codes(), alone.recognizer.codes());
        EXPECT_EQ(after.recognizer.lengths(), alone.recognizer.lengths());
        ASSERT_FALSE(alone.library.calls.empty());
        EXPECT_EQ(after.library.gestures().back(), alone.library.gestures().back());
    }
}

TEST(GestureLog, RepeatsAreCountedOnTheLineAndAPressStartsAfresh) {
    TraceRunner run;
    StrokeScript script(run);
    script.hold({{500, 500}, {500, 470}}).stay(4).release();
    const std::vector<std::string> expected = {
        " - Init - ",
        "--------0",
        " no stored data 500,500",
        "ADDING Up     --len- 30(*4)",
        "int-------",
        "Direction UP    len - 30    Angle - (270)",
    };
    EXPECT_EQ(run.log.lines(), expected);

    // The next press clears the log; its first line is new even if it repeats the last one before.
    script.hold({{500, 500}});
    EXPECT_EQ(run.log.lines().front(), " - Init - ");
    EXPECT_EQ(run.log.openRepeats(), 0);
}

} // namespace
} // namespace flickmark
