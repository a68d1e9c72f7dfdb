#include "library/logging_gesture_library.h"
#include "recognizer/recognizer_settings.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(RecognizerSettingKeys, ReadEachTypeWithTheSettingsFileRules) {
    RecognizerSettings s;
    EXPECT_TRUE(assignRecognizerSetting(s, "timethreshold", "200"));
    EXPECT_TRUE(assignRecognizerSetting(s, "XTHRESHOLD", "0x10"));
    EXPECT_TRUE(assignRecognizerSetting(s, "ythreshold", "-2"));
    EXPECT_TRUE(assignRecognizerSetting(s, "directionThreshold", "1"));
    EXPECT_TRUE(assignRecognizerSetting(s, "tbDeltaBias", "0,55"));
    EXPECT_TRUE(assignRecognizerSetting(s, "TbDistanceBias", "0.3"));
    EXPECT_TRUE(assignRecognizerSetting(s, "tbXPixel", "500")); // not clamped to the track bar's 150
    EXPECT_TRUE(assignRecognizerSetting(s, "tbypixel", "5"));
    EXPECT_TRUE(assignRecognizerSetting(s, "tbHelpPause", "1200"));
    EXPECT_TRUE(assignRecognizerSetting(s, "cbEnableHelpPoup", "0"));
    EXPECT_TRUE(assignRecognizerSetting(s, "cbEnableDiagonals", "5"));
    EXPECT_EQ(s.timeThreshold, 200);
    EXPECT_EQ(s.xThreshold, 16);
    EXPECT_EQ(s.yThreshold, -2);
    EXPECT_EQ(s.directionThreshold, 1);
    EXPECT_EQ(s.deltaBias, 0.55f);
    EXPECT_EQ(s.distanceBias, 0.3f);
    EXPECT_EQ(s.xPixel, 500);
    EXPECT_EQ(s.yPixel, 5);
    EXPECT_EQ(s.helpPause, 1200);
    EXPECT_FALSE(s.enableHelpPopup);
    EXPECT_TRUE(s.enableDiagonals);
}

TEST(RecognizerSettingKeys, UnknownKeysAndUnreadableValuesChangeNothing) {
    const struct {
        const char* key;
        const char* value;
    } table[] = {
        {"tbXPixel", "abc"},
        {"tbXPixel", ""},
        {"tbXPixel", "12px"},
        {"tbXPixel", "3.5"},
        {"cbEnableDiagonals", "yes"},
        {"tbDeltaBias", "fast"},
        {"tbDeltaBias", "1e300"},
        {"tbFadeTime", "800"},
        {"cbEnableHelpPopup", "1"},
        {"tbXPixel ", "40"},
        {"", "1"},
    };
    for (const auto& row : table) {
        RecognizerSettings s;
        EXPECT_FALSE(assignRecognizerSetting(s, row.key, row.value)) << row.key << "=" << row.value;
        const RecognizerSettings defaults;
        EXPECT_EQ(s.xPixel, defaults.xPixel);
        EXPECT_EQ(s.deltaBias, defaults.deltaBias);
        EXPECT_EQ(s.enableDiagonals, defaults.enableDiagonals);
    }
    EXPECT_TRUE(isRecognizerSettingKey("CBENABLEHELPPOUP"));
    EXPECT_FALSE(isRecognizerSettingKey("cbEnableScratchpad"));
}

TEST(LoggingGestureLibrary, WritesGesturesAndHelpRequestsToTheLog) {
    DiagnosticLog log;
    LoggingGestureLibrary library(log);
    library.runGesture("03", false);
    library.lookupAndRun("46");
    library.showHelp(dir::Left);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"gesture 03 UP+RIGHT", "gesture 46 NE+SE", "help 2"}));
}

} // namespace
} // namespace flickmark
