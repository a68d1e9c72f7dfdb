#include "fakes/dispatch_rig.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

// Virtual keys pressed (key-down events), modifiers included, in order.
std::vector<int> keysDown(const RecordingKeyboard& keyboard) {
    std::vector<int> keys;
    for (const KeyEventRecord& e : keyboard.events)
        if ((e.flags & 2u) == 0)
            keys.push_back(e.virtualKey);
    return keys;
}

class GestureDispatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        rig.addFile("Gestures.ini", gestureSection("03", "Keystroke", "000053S") +
                                        gestureSection("12", "Keystroke", "000041A") +
                                        gestureSection("30", "Keystroke", "000042B"));
        rig.addFile("Gestures_probe.exe.ini",
                    gestureSection("03", "Multiple Keystrokes", "010043CTRL+C|000074F5") +
                        gestureSection("12", "Multiple Keystrokes", ""));
        rig.store.loadShownSet("Gestures.ini");
        rig.setForeground("probe.exe");
        rig.input.cursor = {400, 300};
    }

    bool logHas(const std::string& text) const {
        for (const std::string& line : rig.log.lines())
            if (line.find(text) != std::string::npos)
                return true;
        return false;
    }

    DispatchRig rig;
};

TEST_F(GestureDispatcherTest, ProgramSetWinsAndItsKeystrokesArriveInOrderAfterTheMenuIsClosed) {
    rig.dispatcher.runGesture("03", false);
    EXPECT_EQ(keysDown(rig.keyboard), (std::vector<int>{0x11, 0x43, 0x74}));
    EXPECT_EQ(rig.menus.dismissals, 1);
    ASSERT_EQ(rig.popup.shown.size(), 1u);
    EXPECT_EQ(rig.popup.shown[0].text, "UP+RIGHT  ");
    EXPECT_EQ(rig.popup.shown[0].at, (Point{411, 300}));
    EXPECT_TRUE(rig.closePopupTimer.enabled());
    EXPECT_EQ(rig.closePopupTimer.interval(), 500);

    rig.dispatcher.onClosePopupTimer();
    EXPECT_FALSE(rig.popup.isShowing());
    EXPECT_FALSE(rig.closePopupTimer.enabled());
}

TEST_F(GestureDispatcherTest, KeysGoOutAtOnceUnlessTheHandOffBroughtAnotherWindowToTheFront) {
    const WindowId probe = rig.windows.foreground;
    rig.clock.setNow(1000);
    rig.dispatcher.runGesture("03", false);
    ASSERT_FALSE(rig.keyboard.events.empty());
    EXPECT_EQ(rig.keyboard.events.front().timeMs, 1000);

    for (const bool fullLookup : {false, true}) {
        rig.keyboard.events.clear();
        rig.setForeground("flickmark.exe"); // one of our windows in front of the probe
        rig.clock.setNow(2000);
        if (fullLookup)
            rig.dispatcher.lookupAndRun("03");
        else
            rig.dispatcher.runGesture("03", false);
        EXPECT_EQ(rig.windows.foreground, probe);
        ASSERT_FALSE(rig.keyboard.events.empty());
        EXPECT_EQ(rig.keyboard.events.front().timeMs, 2000 + GestureDispatcher::kHandOffSettleMilliseconds)
            << "full lookup " << fullLookup;
    }
}

TEST_F(GestureDispatcherTest, OtherProgramsAndEmptyProgramEntriesFallBackToTheGlobalSet) {
    rig.dispatcher.runGesture("12", true); // the probe's own "12" has no keystroke text
    EXPECT_EQ(keysDown(rig.keyboard), (std::vector<int>{0x41}));
    EXPECT_TRUE(rig.popup.shown.empty()) << "quiet lookups show no name";

    rig.keyboard.events.clear();
    rig.setForeground("other.exe");
    rig.dispatcher.runGesture("03", false);
    EXPECT_EQ(keysDown(rig.keyboard), (std::vector<int>{0x53}));
}

TEST_F(GestureDispatcherTest, UnknownGestureRunsNothing) {
    rig.dispatcher.runGesture("0123", false);
    EXPECT_TRUE(rig.keyboard.events.empty());
    EXPECT_EQ(rig.menus.dismissals, 0) << "the context menu of a plain right click stays open";
    EXPECT_TRUE(rig.popup.shown.empty());
    EXPECT_TRUE(logHas("no gesture 0123"));
}

TEST_F(GestureDispatcherTest, MalformedKeystrokeTextSendsNothingAndNamesTheGesture) {
    rig.addFile("Gestures_probe.exe.ini", gestureSection("31", "Multiple Keystrokes", "000053S|0x0041A"));
    rig.dispatcher.runGesture("31", false);
    EXPECT_TRUE(rig.keyboard.events.empty());
    EXPECT_TRUE(logHas("Gesture 31 (RIGHT+DOWN)"));
    EXPECT_TRUE(logHas("0x0041A"));
}

// Windows drops keys sent into a program run as administrator; the log must not claim they were sent.
TEST_F(GestureDispatcherTest, KeysForAProgramRunAsAdministratorAreNotSentButLoggedAndNoticed) {
    rig.addFile("Gestures_probe.exe.ini",
                gestureSection("03", "Multiple Keystrokes", "010043CTRL+C|000074F5") +
                    gestureSection("01", "Run Program / File", "C:\\Tools\\app.exe|-x"));
    rig.integrity.elevated.insert(rig.windows.foreground);
    // Before the tray icon is up the notice cannot be shown: it is not counted as shown.
    rig.notices.iconUp = false;
    rig.dispatcher.runGesture("03", false);
    rig.notices.iconUp = true;
    rig.dispatcher.runGesture("03", false);
    rig.dispatcher.lookupAndRun("03");
    EXPECT_TRUE(rig.keyboard.events.empty());
    EXPECT_FALSE(logHas("run keystrokes"));
    EXPECT_TRUE(logHas("Keystrokes CTRL+C | F5 not sent: probe.exe runs as administrator"));
    ASSERT_EQ(rig.notices.shown.size(), 1u);
    EXPECT_EQ(rig.notices.shown[0].title, "Keys not sent to probe.exe");
    EXPECT_TRUE(rig.popup.shown.empty()) << "no name popup claims the keys went";

    // Starting a program is no input: it still runs, and its name shows.
    rig.dispatcher.runGesture("01", false);
    EXPECT_EQ(rig.launcher.processCalls.size(), 1u);
    EXPECT_EQ(rig.popup.shown.size(), 1u);

    // The window that counts is the one in front when the keys would go: here the hand-off brings the
    // elevated probe back from behind one of our own windows.
    rig.setForeground("flickmark.exe");
    rig.dispatcher.runGesture("03", false);
    EXPECT_TRUE(rig.keyboard.events.empty());

    rig.integrity.elevated.clear();
    rig.dispatcher.runGesture("03", false);
    EXPECT_EQ(keysDown(rig.keyboard), (std::vector<int>{0x11, 0x43, 0x74}));
}

// A window command acts on the window the gesture was drawn on, even when another is in front by the time
// it runs; so does one chosen from the help menu of that press.
TEST_F(GestureDispatcherTest, WindowCommandsActOnTheWindowTheGestureWasDrawnOn) {
    rig.addFile("Gestures.ini", gestureSection("2", "Window Command", "close") +
                                    gestureSection("3", "Window Command", "Minimize"));
    rig.store.loadShownSet("Gestures.ini");
    constexpr WindowId kDrawnOn = 200;
    rig.windows.windows.push_back({kDrawnOn, "other.exe", true, 8});
    rig.windowControl.windows[kDrawnOn] = {};
    rig.windowControl.windows[rig.windows.foreground] = {};

    rig.dispatcher.lookup(FinishedGesture{"2", {}, kDrawnOn});
    rig.dispatcher.prepareHelp(kDrawnOn);
    rig.dispatcher.runGesture("3", true);
    EXPECT_EQ(rig.windowControl.calls, (std::vector<std::string>{"Close 200", "Minimize 200"}));
    EXPECT_TRUE(logHas("run window command Close on other.exe"));
    EXPECT_TRUE(rig.keyboard.events.empty());
    ASSERT_EQ(rig.popup.shown.size(), 1u);
    EXPECT_EQ(rig.popup.shown[0].text, "LEFT  ");
}

TEST_F(GestureDispatcherTest, ProgramActionsStartWithQuotedPathsOrThroughTheShell) {
    rig.addFile("Gestures_probe.exe.ini",
                gestureSection("01", "Run Program / File", "C:\\My Tools\\probe.exe|--fullscreen -x") +
                    gestureSection("10", "Run Program / File", "C:\\Tools\\app.exe|"));
    rig.dispatcher.runGesture("01", false);
    ASSERT_EQ(rig.launcher.processCalls.size(), 1u);
    EXPECT_EQ(rig.launcher.processCalls[0].commandLine, "\"C:\\My Tools\\probe.exe\" --fullscreen -x");
    EXPECT_EQ(rig.launcher.processCalls[0].flags, 0x220u);

    rig.dispatcher.runGesture("10", false);
    ASSERT_EQ(rig.launcher.shellCalls.size(), 1u);
    EXPECT_EQ(rig.launcher.shellCalls[0].file, "C:\\Tools\\app.exe");
}

TEST_F(GestureDispatcherTest, AutoCorrectionRunsANearGestureWhenTheStrokeAngleAllowsIt) {
    rig.addFile("Gestures_probe.exe.ini", gestureSection("17", "Keystroke", "000043C"));
    rig.addFile("Gestures.ini", "");
    rig.store.loadShownSet("Gestures.ini");
    rig.dispatcher.setOptions({/*suggestions=*/true, /*corrections=*/true});
    rig.dispatcher.lookupAndRun("12", std::vector<int>{90, 170});
    EXPECT_EQ(keysDown(rig.keyboard), (std::vector<int>{0x43}));
    ASSERT_EQ(rig.popup.shown.size(), 1u);
    EXPECT_EQ(rig.popup.shown[0].text, "DOWN+LEFT  ") << "the popup names the drawn gesture";

    rig.keyboard.events.clear();
    rig.dispatcher.lookupAndRun("12", std::vector<int>{90, 190});
    EXPECT_TRUE(rig.keyboard.events.empty());
    EXPECT_EQ(rig.dispatcher.lastSuggestions(), (std::vector<std::string>{"17"}));
    EXPECT_TRUE(logHas("suggestions for 12: 17"));
}

TEST_F(GestureDispatcherTest, AFinishedGestureGetsTheLookupTheDiagonalsOptionChoosesWithItsOwnStrokeAngles) {
    rig.addFile("Gestures_probe.exe.ini", gestureSection("17", "Keystroke", "000043C"));
    rig.addFile("Gestures.ini", "");
    rig.store.loadShownSet("Gestures.ini");
    const FinishedGesture drawn{"12", {90, 170}};

    rig.dispatcher.setOptions({/*suggestions=*/true, /*corrections=*/true, /*diagonals=*/false});
    rig.dispatcher.lookup(drawn);
    EXPECT_TRUE(rig.keyboard.events.empty()) << "the plain lookup runs no near gesture";
    EXPECT_TRUE(rig.dispatcher.lastSuggestions().empty());

    rig.dispatcher.setOptions({/*suggestions=*/true, /*corrections=*/true, /*diagonals=*/true});
    rig.dispatcher.lookup(drawn);
    EXPECT_EQ(keysDown(rig.keyboard), (std::vector<int>{0x43}))
        << "corrected by the angle the gesture carries";
}

TEST_F(GestureDispatcherTest, FullLookupWithoutSuggestionsOrCorrectionsRunsNoNearGesture) {
    const std::vector<int> angles{170, 170};
    rig.dispatcher.setOptions({/*suggestions=*/false, /*corrections=*/true});
    rig.dispatcher.lookupAndRun("17", angles);
    EXPECT_TRUE(rig.keyboard.events.empty());
    EXPECT_TRUE(rig.dispatcher.lastSuggestions().empty());

    rig.dispatcher.setOptions({/*suggestions=*/true, /*corrections=*/false});
    rig.dispatcher.lookupAndRun("17", angles);
    EXPECT_TRUE(rig.keyboard.events.empty());
    EXPECT_EQ(rig.dispatcher.lastSuggestions(), (std::vector<std::string>{"12"}));
}

TEST_F(GestureDispatcherTest, LookupsNeverChangeTheSetTheGesturesWindowSaves) {
    rig.store.loadShownSet("Gestures_probe.exe.ini");
    rig.setForeground("other.exe");
    rig.dispatcher.runGesture("03", false);
    ASSERT_TRUE(rig.store.saveShownSet());
    EXPECT_NE(rig.files.files[rig.dataFolder + "Gestures_probe.exe.ini"].find("010043CTRL+C|000074F5"),
              std::string::npos);
    EXPECT_FALSE(rig.files.fileExists(rig.dataFolder + "Gestures_other.exe.ini"));
}

TEST_F(GestureDispatcherTest, ScratchpadVisibilityIsGivenBackAfterEveryLookup) {
    rig.scratchpad.shown = true;
    rig.dispatcher.runGesture("03", false);
    EXPECT_TRUE(rig.scratchpad.shown);
    rig.dispatcher.lookupAndRun("0123");
    EXPECT_TRUE(rig.scratchpad.shown);
}

} // namespace
} // namespace flickmark
