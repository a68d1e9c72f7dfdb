#include "settings/settings_table.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(SettingKeys, ReadEachTypeWithTheSettingsFileRulesAndAreNotClamped) {
    SettingsSnapshot snapshot;
    const RecognitionSettings& s = snapshot.recognition;
    EXPECT_TRUE(assignSetting(snapshot, "timethreshold", "200"));
    EXPECT_TRUE(assignSetting(snapshot, "XTHRESHOLD", "0x10"));
    EXPECT_TRUE(assignSetting(snapshot, "ythreshold", "-2"));
    EXPECT_TRUE(assignSetting(snapshot, "directionThreshold", "1"));
    EXPECT_TRUE(assignSetting(snapshot, "tbDeltaBias", "0,55"));
    EXPECT_TRUE(assignSetting(snapshot, "TbDistanceBias", "0.3"));
    EXPECT_TRUE(assignSetting(snapshot, "tbXPixel", "500")); // not clamped to the track bar's 150
    EXPECT_TRUE(assignSetting(snapshot, "tbypixel", "5"));
    EXPECT_TRUE(assignSetting(snapshot, "tbHelpPause", "1200"));
    EXPECT_TRUE(assignSetting(snapshot, "cbEnableHelpPoup", "0"));
    EXPECT_TRUE(assignSetting(snapshot, "cbEnableDiagonals", "5"));
    EXPECT_TRUE(assignSetting(snapshot, "cbpreciserecognition", "1"));
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
    EXPECT_TRUE(s.preciseRecognition);

    EXPECT_TRUE(assignSetting(snapshot, "cbEnabledSuggestions", "0"));
    EXPECT_TRUE(assignSetting(snapshot, "CBENABLECORRECTIONS", "1"));
    EXPECT_TRUE(assignSetting(snapshot, "tbFadeTime", "0x64"));
    EXPECT_FALSE(snapshot.suggestionsEnabled);
    EXPECT_TRUE(snapshot.correctionsEnabled);
    EXPECT_EQ(snapshot.fadeTime, 100);
}

TEST(SettingKeys, UnknownKeysAndUnreadableValuesChangeNothing) {
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
        {"tbFadeTime", "fast"},
        {"cbEnableHelpPopup", "1"},
        {"tbXPixel ", "40"},
        {"", "1"},
    };
    for (const auto& row : table) {
        SettingsSnapshot snapshot;
        EXPECT_FALSE(assignSetting(snapshot, row.key, row.value)) << row.key << "=" << row.value;
        const RecognitionSettings& s = snapshot.recognition;
        const RecognitionSettings defaults;
        EXPECT_EQ(s.xPixel, defaults.xPixel);
        EXPECT_EQ(s.deltaBias, defaults.deltaBias);
        EXPECT_EQ(s.enableDiagonals, defaults.enableDiagonals);
    }
    EXPECT_NE(findSetting("CBENABLEHELPPOUP"), nullptr);
    EXPECT_EQ(findSetting("cbEnableHelpPopup"), nullptr) << "the key keeps its historic spelling";
}

} // namespace
} // namespace flickmark
