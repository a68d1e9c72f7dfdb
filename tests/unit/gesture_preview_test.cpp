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
            EXPECT_EQ(p.dots.size(), gesture.size()) << where;
            EXPECT_TRUE(all.contains(p.start)) << where;
            for (const PreviewLine& line : p.lines)
                EXPECT_TRUE(all.contains(line.from) && all.contains(line.to)) << where;
            for (const Rect& dot : p.dots) {
                EXPECT_TRUE(dot.left >= 0 && dot.top >= 0 && dot.right <= picture.width &&
                            dot.bottom <= picture.height)
                    << where;
                EXPECT_TRUE(dot.width() > 0 && dot.height() > 0) << where;
            }
        }
    }
}

TEST(GesturePreview, LongGesturesShrinkToFitButKeepTheirShape) {
    std::string zigzag, stairs;
    for (int i = 0; i < 20; ++i) {
        zigzag += "01";
        stairs += "03";
    }
    const struct {
        std::string gesture;
        std::string moves;
    } table[] = {
        {stairs,
         [] {
             std::string m;
             for (int i = 0; i < 20; ++i)
                 m += "U R ";
             return m;
         }()},
        {zigzag,
         [] {
             std::string m = "U";
             for (int i = 0; i < 39; ++i)
                 m += i % 2 == 0 ? " jr D" : " jr U";
             return m;
         }()},
    };
    for (const auto& row : table) {
        for (const double scale : {1.0, 1.5}) {
            const int width = static_cast<int>(kGesturePreviewWidth * scale + 0.5);
            const int height = static_cast<int>(kGesturePreviewHeight * scale + 0.5);
            const GesturePreview p = layoutGesturePreview(row.gesture, width, height, scale);
            EXPECT_EQ(drawnMoves(p), expectedMoves(row.moves, p.step, p.shift))
                << row.gesture << " at " << scale;
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
