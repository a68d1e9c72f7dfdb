// The settings file as the program loads it at start-up: every value reaches the running recognizer and the
// lookup, and a stroke drawn afterwards is handled with those values.
#include "app/settings_targets.h"
#include "fakes/dispatch_rig.h"
#include "settings/settings_store.h"
#include "stroke_script.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

class SettingsTargetsTest : public ::testing::Test {
protected:
    SettingsTargetsTest() { run.useLibrary(rig.outlet); }

    bool load(const std::string& fileText) {
        rig.addFile("defaults.ini", fileText);
        return store.load();
    }

    TraceRunner run;
    DispatchRig rig;
    RecognizerSettingsTarget recognizerTarget{run.recognizer};
    LookupSettingsTarget lookupTarget{rig.dispatcher};
    SettingsStore store{rig.files, rig.codePage, rig.log, rig.dataFolder + "defaults.ini",
                        SettingsConsumers{&recognizerTarget, nullptr, &lookupTarget}};
};

TEST_F(SettingsTargetsTest, FileValuesTakeEffectInTheRecognizerAndTheLookup) {
    EXPECT_TRUE(load("[init]\r\nxThreshold=0x10\r\ntbXPixel=500\r\ntbDeltaBias=0.5\r\ntbHelpPause=1500\r\n"
                     "cbEnableHelpPoup=0\r\ncbEnableDiagonals=1\r\ncbEnabledSuggestions=0\r\n"
                     "cbEnableCorrections=1\r\n"));
    const RecognizerSettings& settings = run.recognizer.settings();
    EXPECT_EQ(settings.xThreshold, 16);
    EXPECT_EQ(settings.xPixel, 500); // not clamped to the track bar's range
    EXPECT_EQ(settings.yPixel, 25);
    EXPECT_EQ(settings.deltaBias, 0.5f);
    EXPECT_EQ(settings.helpPause, 1500);
    EXPECT_FALSE(settings.enableHelpPopup);
    EXPECT_TRUE(settings.enableDiagonals);
    EXPECT_EQ(run.pauseTimer.interval(), 1500);
    EXPECT_FALSE(rig.dispatcher.options().suggestions);
    EXPECT_TRUE(rig.dispatcher.options().corrections);

    // The next load sets both lookup switches again, each on its own.
    EXPECT_TRUE(load("[init]\r\ncbEnabledSuggestions=1\r\ncbEnableCorrections=0\r\n"));
    EXPECT_TRUE(rig.dispatcher.options().suggestions);
    EXPECT_FALSE(rig.dispatcher.options().corrections);
    // A key gone from the file takes its control's value, which showed 500 clamped to the track bar's end.
    EXPECT_EQ(run.recognizer.settings().xPixel, 150);
}

TEST_F(SettingsTargetsTest, LoadedDiagonalsSettingDecidesWhichLookupADrawnGestureGets) {
    rig.addFile("Gestures_probe.exe.ini", "[03]\r\nActionType=Keystroke\r\nAction=000053S\r\n");
    rig.setForeground("probe.exe");
    // With diagonals on and suggestions off, an unknown gesture is neither run nor offered.
    ASSERT_TRUE(load("[init]\r\ncbEnableDiagonals=1\r\ncbEnabledSuggestions=0\r\n"));

    StrokeScript script(run);
    script.hold({{500, 500}, {501, 480}, {502, 460}, {552, 459}, {582, 458}}).release();
    ASSERT_EQ(rig.keyboard.events.size(), 2u);
    EXPECT_EQ(rig.keyboard.events[0].virtualKey, 0x53);
    EXPECT_EQ(rig.menus.dismissals, 1);

    script.hold({{500, 500}, {480, 501}, {460, 502}}).release(); // "2", bound nowhere
    EXPECT_EQ(rig.keyboard.events.size(), 2u);
    EXPECT_TRUE(rig.dispatcher.lastSuggestions().empty());
    EXPECT_TRUE(logHasLineStartingWith(rig.log, "no gesture 2 for this program"));
}

TEST(RecognizerSettingsFrom, EveryValueReachesTheRecognizerUnderItsOwnNameAndTheDefaultsAgree) {
    EXPECT_EQ(recognizerSettingsFrom(RecognitionSettings{}), RecognizerSettings{});

    // Every value distinct from every other and from its default, so a field mapped twice or swapped shows.
    const RecognitionSettings file{161, 4, 5, 6, 0.25f, 0.5f, 31, 26, 801, false, true, true};
    RecognizerSettings expected;
    expected.timeThreshold = 161;
    expected.xThreshold = 4;
    expected.yThreshold = 5;
    expected.directionThreshold = 6;
    expected.deltaBias = 0.25f;
    expected.distanceBias = 0.5f;
    expected.xPixel = 31;
    expected.yPixel = 26;
    expected.helpPause = 801;
    expected.enableHelpPopup = false;
    expected.enableDiagonals = true;
    expected.preciseRecognition = true;
    EXPECT_EQ(recognizerSettingsFrom(file), expected);
}

} // namespace
} // namespace flickmark
