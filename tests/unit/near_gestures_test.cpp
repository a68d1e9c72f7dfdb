#include "library/near_gestures.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;

auto fixedAngle(int angle) {
    return [angle](std::size_t) { return angle; };
}

TEST(NearGestures, RequiredMatchesGrowWithLength) {
    // Length -> fewest equal positions that still count as near.
    const struct {
        std::string drawn;
        std::string near;
        std::string notNear;
    } table[] = {
        {"12", "17", "56"},
        {"123", "120", "150"},
        {"0123", "0145", "0456"},
        {"01230", "01256", "01456"},
        {"012301", "012567", "014567"},
        {"0123012", "0123456", "0124567"},
        {"01230123", "01234567", "01245670"},
    };
    for (const auto& row : table) {
        EXPECT_TRUE(isNearGesture(row.drawn, row.near)) << row.drawn << " ~ " << row.near;
        EXPECT_FALSE(isNearGesture(row.drawn, row.notNear)) << row.drawn << " ~ " << row.notNear;
    }
    EXPECT_FALSE(isNearGesture("1", "2")) << "a single stroke has no near gestures";
    EXPECT_FALSE(isNearGesture("12", "127")) << "lengths must match";
}

TEST(NearGestures, FrontListTakesSameFirstDirectionAtItsHeadAndNothingTwice) {
    const Strings program = {"13", "17", "42"};
    const Strings global = {"17", "16", "32"};
    const NearCandidates c = collectNearGestures("12", program, global);
    EXPECT_EQ(c.front, (Strings{"16", "17", "13"}));
    EXPECT_EQ(c.back, (Strings{"42", "32"}));
    EXPECT_EQ(c.ordered(), (Strings{"16", "17", "13", "42", "32"}));
}

TEST(NearGestures, CorrectionNeedsNeighboursAndTheRecordedAngleBetweenThem) {
    const NearCandidates c = collectNearGestures("12", {"17"}, {});
    // Drawn Down, Left; the Left stroke recorded at 170 degrees lies between SW (135) and Left (180).
    EXPECT_EQ(findCorrection("12", c, fixedAngle(170)), "17");
    EXPECT_EQ(findCorrection("12", c, fixedAngle(135)), "17");
    EXPECT_EQ(findCorrection("12", c, fixedAngle(180)), "17");
    EXPECT_EQ(findCorrection("12", c, fixedAngle(190)), std::nullopt);

    // A drawn NE stroke: Right and NE span 0..315 as plain numbers, so 300 corrects and 330 does not.
    const NearCandidates right = collectNearGestures("04", {"03"}, {});
    EXPECT_EQ(findCorrection("04", right, fixedAngle(300)), "03");
    EXPECT_EQ(findCorrection("04", right, fixedAngle(330)), std::nullopt);

    // Up and Down are not neighbours, whatever the angle.
    const NearCandidates opposite = collectNearGestures("30", {"31"}, {});
    EXPECT_EQ(findCorrection("30", opposite, fixedAngle(90)), std::nullopt);
}

TEST(NearGestures, CorrectionUsesTheAngleOfTheDifferingStroke) {
    const NearCandidates c = collectNearGestures("312", {"317"}, {});
    std::vector<int> angles = {0, 90, 170};
    auto byIndex = [&](std::size_t i) { return angles.at(i); };
    EXPECT_EQ(findCorrection("312", c, byIndex), "317");
    angles[2] = 200;
    EXPECT_EQ(findCorrection("312", c, byIndex), std::nullopt);
}

TEST(NearGestures, OneOffGesturesFillAShortFrontList) {
    NearCandidates c = collectNearGestures("031", {}, {});
    ASSERT_TRUE(c.front.empty());
    addOneOffGestures("031", {"03", "31", "0312", "2031", "01"}, {"03"}, c);
    // Shorter, by removed position: "31" to the back, then "01" and "03" (same first direction) to the head.
    // Longer: "0312" begins with the drawn gesture (head), "2031" only contains it (back).
    EXPECT_EQ(c.front, (Strings{"0312", "03", "01"}));
    EXPECT_EQ(c.back, (Strings{"31", "2031"}));
}

TEST(NearGestures, OneOffGesturesAreSkippedWhenTheFrontListIsFull) {
    NearCandidates c = collectNearGestures("123", {"120", "124", "125"}, {});
    ASSERT_EQ(c.front.size(), 3u);
    addOneOffGestures("123", {"12"}, {}, c);
    EXPECT_FALSE(c.contains("12"));
}

TEST(NearGestures, SingleStrokeGetsOnlyLongerGesturesNever) {
    NearCandidates c;
    addOneOffGestures("0", {"03", "30"}, {}, c);
    EXPECT_TRUE(c.front.empty());
    EXPECT_TRUE(c.back.empty());
}

} // namespace
} // namespace flickmark
