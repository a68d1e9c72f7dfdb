#include "overlays/gesture_preview.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace flickmark {

void PrintTo(const Point& p, std::ostream* out) {
    *out << "(" << p.x << "," << p.y << ")";
}

void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

void PrintTo(const PreviewLine& line, std::ostream* out) {
    PrintTo(line.from, out);
    *out << "-";
    PrintTo(line.to, out);
}

namespace {

// A drawn line as a move in steps and shifts: "U" "D" "L" "R" "NE" "NW" "SE" "SW" are segments of one
// step, "jr" and "jd" the joining lines of one shift right or down.
std::vector<Point> expectedMoves(const std::string& moves, int step, int shift) {
    const std::map<std::string, Point> unit = {
        {"U", {0, -step}},     {"D", {0, step}},       {"L", {-step, 0}},    {"R", {step, 0}},
        {"NE", {step, -step}}, {"NW", {-step, -step}}, {"SE", {step, step}}, {"SW", {-step, step}},
        {"jr", {shift, 0}},    {"jd", {0, shift}},
    };
    std::vector<Point> result;
    std::istringstream in(moves);
    for (std::string token; in >> token;)
        result.push_back(unit.at(token));
    return result;
}

std::vector<Point> drawnMoves(const GesturePreview& p) {
    std::vector<Point> result;
    for (const PreviewLine& line : p.lines)
        result.push_back(Point{line.to.x - line.from.x, line.to.y - line.from.y});
    return result;
}

bool isJoin(Point move, int shift) {
    return move == Point{shift, 0} || move == Point{0, shift};
}

TEST(GesturePreview, DrawsEachCodeAsOneSegmentCentredInTheGesturesWindowPicture) {
    const struct {
        const char* gesture;
        const char* moves;
        int step;
    } table[] = {
        {"03", "U R", 70},
        // Retraced strokes: beside each other, one shift apart, joined by a short line.
        {"00", "U jr U", 39},
        {"01", "U jr D", 79},
        {"23", "L jd R", 70},
        {"0312", "U R D L", 70},
        {"2031", "L U R D", 70},
        {"2013", "L U jr D R", 62},
        {"4", "NE", 70},
        {"46", "NE SE", 35},
        {"5713", "NW SW D R", 35},
        {"4657", "NE SE NW SW", 35},
    };
    for (const auto& row : table) {
        const GesturePreview p =
            layoutGesturePreview(row.gesture, kGesturePreviewWidth, kGesturePreviewHeight);
        EXPECT_EQ(p.shift, 8) << row.gesture;
        EXPECT_EQ(p.step, row.step) << row.gesture;
        const std::vector<Point> expected = expectedMoves(row.moves, p.step, p.shift);
        EXPECT_EQ(drawnMoves(p), expected) << row.gesture;
        ASSERT_FALSE(p.lines.empty()) << row.gesture;
        EXPECT_EQ(p.lines.front().from, p.start) << row.gesture;

        // A 4 x 4 dot at the end of every segment, none at the start or at a joining corner.
        std::vector<Rect> expectedDots;
        for (std::size_t i = 0; i < p.lines.size(); ++i) {
            if (isJoin(expected[i], p.shift))
                continue;
            const Point end = p.lines[i].to;
            expectedDots.push_back(Rect{end.x - 2, end.y - 2, end.x + 2, end.y + 2});
        }
        EXPECT_EQ(p.dots, expectedDots) << row.gesture;

        // Centred: the margins on either side of an axis differ by at most a pixel.
        int left = p.start.x, right = p.start.x, top = p.start.y, bottom = p.start.y;
        for (const PreviewLine& line : p.lines) {
            left = std::min(left, line.to.x);
            right = std::max(right, line.to.x);
            top = std::min(top, line.to.y);
            bottom = std::max(bottom, line.to.y);
        }
        EXPECT_LE(std::abs(left - (p.width - 1 - right)), 1) << row.gesture;
        EXPECT_LE(std::abs(top - (p.height - 1 - bottom)), 1) << row.gesture;
        EXPECT_GE(std::min(left, top), 12) << row.gesture << ": within the 25-pixel margin";
    }
}

TEST(GesturePreview, SkipsCharactersThatAreNoDirectionCodes) {
    const struct {
        const char* gesture;
        const char* same_as; // "" draws nothing
    } table[] = {
        {"", ""},      {"9", ""},   {"8", ""},       {"x", ""},
        {"0x3", "03"}, {"08", "0"}, {"0 3\n", "03"}, {"9009", "00"},
    };
    for (const auto& row : table) {
        const GesturePreview p =
            layoutGesturePreview(row.gesture, kGesturePreviewWidth, kGesturePreviewHeight);
        const GesturePreview clean =
            layoutGesturePreview(row.same_as, kGesturePreviewWidth, kGesturePreviewHeight);
        EXPECT_EQ(p.lines, clean.lines) << row.gesture;
        EXPECT_EQ(p.dots, clean.dots) << row.gesture;
        if (std::string(row.same_as).empty()) {
            EXPECT_TRUE(p.lines.empty() && p.dots.empty()) << row.gesture;
        }
    }
}

TEST(GesturePreview, EverythingStaysInsideThePictureWhateverItsSize) {
    std::string zigzag, stairs, diagonal;
    for (int i = 0; i < 20; ++i) {
        zigzag += "01";   // 40 strokes side by side
        stairs += "03";   // 20 steps up and 20 right
        diagonal += "47"; // retraced on one line, no shift
    }
    const std::string gestures[] = {"0",    "03",   "00",   "0312", "4657",
                                    "2031", "5713", zigzag, stairs, diagonal};
    const struct {
        int width;
        int height;
        double scale;
    } pictures[] = {
        {kGesturePreviewWidth, kGesturePreviewHeight, 1.0},
        {143, 158, 1.5},
        {300, 40, 1.0},
        {40, 300, 1.0},
        {30, 30, 1.0},
        {10, 10, 1.0},
        {10, 10, 1.5},
        {1, 1, 1.0},
        {1, 200, 2.0},
    };
    for (const auto& picture : pictures) {
        const Rect all{0, 0, picture.width, picture.height};
        for (const std::string& gesture : gestures) {
            const GesturePreview p =
                layoutGesturePreview(gesture, picture.width, picture.height, picture.scale);
            const std::string where = gesture + " in " + std::to_string(picture.width) + "x" +
                                      std::to_string(picture.height) + " at " + std::to_string(picture.scale);
            EXPECT_GE(p.step, 1) << where;
            EXPECT_GE(p.shift, 1) << where;
            EXPECT_EQ(p.dots.size(), p.codesDrawn) << where;
            EXPECT_EQ(p.ellipsis.empty(), p.codesDrawn == gesture.size()) << where;
            EXPECT_TRUE(all.contains(p.start)) << where;
            for (const PreviewLine& line : p.lines)
                EXPECT_TRUE(all.contains(line.from) && all.contains(line.to)) << where;
            for (const std::vector<Rect>* squares : {&p.dots, &p.ellipsis}) {
                for (const Rect& square : *squares) {
                    EXPECT_TRUE(square.left >= 0 && square.top >= 0 && square.right <= picture.width &&
                                square.bottom <= picture.height)
                        << where;
                    EXPECT_TRUE(square.width() > 0 && square.height() > 0) << where;
                }
            }
        }
    }
}

std::string repeated(const std::string& codes, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += codes;
    return result;
}

TEST(GesturePreview, ALongGestureKeepsLegibleStrokesAndShowsItsFirstCodesThenAnEllipsis) {
    const struct {
        std::string gesture;
        double scale;
        std::size_t drawn; // codes drawn; all of them means no ellipsis
        std::string moves; // the drawn lines, the joining line before the ellipsis included
        Point heading;     // where the ellipsis goes, per axis -1, 0 or 1
    } table[] = {
        // Eleven codes fit at the shortest step; twelve do not, so ten are drawn and the ellipsis takes the
        // eleventh's place.
        {repeated("03", 5) + "0", 1.0, 11, repeated("U R ", 5) + "U", {}},
        {repeated("03", 6), 1.0, 10, repeated("U R ", 5), {0, -1}},
        {repeated("03", 6), 1.5, 10, repeated("U R ", 5), {0, -1}},
        {repeated("03", 20), 1.0, 10, repeated("U R ", 5), {0, -1}},
        {repeated("03", 20), 1.5, 10, repeated("U R ", 5), {0, -1}},
        // Side by side strokes keep their distance; the ellipsis follows the joining line.
        {repeated("01", 20), 1.0, 8, "U" + repeated(" jr D jr U", 3) + " jr D jr", {0, -1}},
        {repeated("01", 20), 1.5, 8, "U" + repeated(" jr D jr U", 3) + " jr D jr", {0, -1}},
        {repeated("46", 10), 1.0, 4, "NE SE NE SE", {1, -1}},
        {repeated("32", 20), 1.0, 10, "R" + repeated(" jd L jd R", 4) + " jd L jd", {1, 0}},
        // Retraced on one line: it fits however long it is.
        {repeated("47", 20), 1.0, 40, repeated("NE SW ", 20), {}},
    };
    for (const auto& row : table) {
        const int width = static_cast<int>(kGesturePreviewWidth * row.scale + 0.5);
        const int height = static_cast<int>(kGesturePreviewHeight * row.scale + 0.5);
        const std::string where = row.gesture + " at " + std::to_string(row.scale);
        const GesturePreview p = layoutGesturePreview(row.gesture, width, height, row.scale);
        EXPECT_GE(p.step, static_cast<int>(12 * row.scale)) << where;
        EXPECT_EQ(p.shift, static_cast<int>(8 * row.scale)) << where;
        EXPECT_EQ(p.codesDrawn, row.drawn) << where;
        EXPECT_EQ(drawnMoves(p), expectedMoves(row.moves, p.step, p.shift)) << where;
        EXPECT_EQ(p.dots.size(), row.drawn) << where;
        if (row.drawn == row.gesture.size()) {
            EXPECT_TRUE(p.ellipsis.empty()) << where;
            continue;
        }
        // Three squares in a row leading away from the last line's end, apart from its dot and from each
        // other.
        ASSERT_EQ(p.ellipsis.size(), 3u) << where;
        ASSERT_FALSE(p.lines.empty() || p.dots.empty()) << where;
        const Point from = p.lines.back().to;
        std::vector<Rect> squares{p.dots.back()};
        for (const Rect& square : p.ellipsis) {
            const Point centre{(square.left + square.right) / 2, (square.top + square.bottom) / 2};
            EXPECT_EQ(
                Point((centre.x > from.x) - (centre.x < from.x), (centre.y > from.y) - (centre.y < from.y)),
                row.heading)
                << where;
            EXPECT_GT(square.width(), 0) << where;
            EXPECT_LT(square.width(), p.dots.back().width()) << where << ": smaller than a dot";
            squares.push_back(square);
        }
        for (std::size_t i = 1; i < squares.size(); ++i) {
            const Rect& a = squares[i - 1];
            const Rect& b = squares[i];
            const bool apart = b.left >= a.right + 1 || a.left >= b.right + 1 || b.top >= a.bottom + 1 ||
                               a.top >= b.bottom + 1;
            EXPECT_TRUE(apart) << where << ": square " << i;
        }
    }
}

TEST(GesturePreview, PixelAmountsGrowWithTheDpiScale) {
    // The same gesture at 150 %: shift 12, dots 6 x 6, the step about one and a half times as long.
    const GesturePreview normal = layoutGesturePreview("00", 95, 105, 1.0);
    const GesturePreview large = layoutGesturePreview("00", 143, 158, 1.5);
    EXPECT_EQ(large.shift, 12);
    ASSERT_FALSE(large.dots.empty());
    EXPECT_EQ(large.dots.front().width(), 6);
    EXPECT_NEAR(large.step, normal.step * 1.5, 1.0);
}

TEST(GesturePreview, AStepThatWouldComeOutAsZeroIsOnePixel) {
    // Ten codes span five steps each way; the margin leaves room for five pixels.
    const GesturePreview p = layoutGesturePreview("0303030303", 10, 10);
    EXPECT_EQ(p.step, 1);
    EXPECT_EQ(drawnMoves(p), expectedMoves("U R U R U R U R U R", 1, p.shift));
}

} // namespace
} // namespace flickmark

namespace flickmark {
namespace {

// Two gestures that draw the same square tell apart by the start's disc and the end's arrowhead, which
// points the way the last stroke goes.
TEST(GesturePreviewMarks, TheStartAndTheEndShowWhereTheGestureBeginsAndWhereItGoes) {
    const struct {
        const char* gesture;
        int tipX; // -1 left, 0 none, 1 right of the arrowhead's base
        int tipY; // -1 up, 0 none, 1 down
    } table[] = {
        {"0312", -1, 0}, {"2031", 0, 1}, {"0", 0, -1}, {"3", 1, 0}, {"13", 1, 0}, {"4", 1, -1}, {"7", -1, 1},
    };
    for (const double scale : {1.0, 1.5, 2.0}) {
        const int width = static_cast<int>(kGesturePreviewWidth * scale);
        const int height = static_cast<int>(kGesturePreviewHeight * scale);
        for (const auto& row : table) {
            const GesturePreview preview = layoutGesturePreview(row.gesture, width, height, scale);
            const Rect& mark = preview.startMark;
            EXPECT_TRUE(mark.left < preview.start.x && preview.start.x < mark.right &&
                        mark.top < preview.start.y && preview.start.y < mark.bottom)
                << row.gesture;
            ASSERT_EQ(preview.arrowHead.size(), 3U) << row.gesture;
            const Point tip = preview.arrowHead[0];
            const Point base{(preview.arrowHead[1].x + preview.arrowHead[2].x) / 2,
                             (preview.arrowHead[1].y + preview.arrowHead[2].y) / 2};
            const auto sign = [](int v) { return v > 1 ? 1 : v < -1 ? -1 : 0; };
            EXPECT_EQ(sign(tip.x - base.x), row.tipX) << row.gesture << " at " << scale;
            EXPECT_EQ(sign(tip.y - base.y), row.tipY) << row.gesture << " at " << scale;
            for (const Point p : preview.arrowHead)
                EXPECT_TRUE(p.x >= 0 && p.x < width && p.y >= 0 && p.y < height) << row.gesture;
        }
    }
    EXPECT_NE(layoutGesturePreview("0312", 95, 105).start, layoutGesturePreview("2031", 95, 105).start);
    // A gesture too long for the picture ends in the ellipsis, not an arrowhead; no gesture, no marks.
    std::string zigzag;
    for (int i = 0; i < 30; ++i)
        zigzag += "03";
    const GesturePreview tooLong = layoutGesturePreview(zigzag, 95, 105);
    EXPECT_FALSE(tooLong.ellipsis.empty());
    EXPECT_TRUE(tooLong.arrowHead.empty());
    const GesturePreview none = layoutGesturePreview("", 95, 105);
    EXPECT_TRUE(none.arrowHead.empty());
    EXPECT_EQ(none.startMark.right, none.startMark.left);
}

} // namespace
} // namespace flickmark
