// What a right press becomes: the press rules over program lists, windows and input states, and the
// recognizer acting on the ruling (a press left alone stays quiet until its release).
#include "app/program_press_gate.h"
#include "settings/press_rules.h"

#include "fakes/fake_file_system.h"
#include "fakes/trace_runner.h"
#include "fakes/windows_1252_code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace flickmark {
namespace {

class ScriptedScene final : public PressScene {
public:
    ProgramWindow windowUnderCursor() override {
        ++windowQueries;
        return under;
    }
    ProgramWindow windowInFront() override {
        ++windowQueries;
        return front;
    }
    bool cursorConfined() override { return confined; }
    bool cursorHidden() override { return hidden; }
    bool keyDown(int virtualKey) override { return virtualKey == heldKey; }

    ProgramWindow under{"editor.exe", "EditorMain"};
    ProgramWindow front{"editor.exe", "EditorMain"};
    bool confined = false;
    bool hidden = false;
    int heldKey = 0;
    int windowQueries = 0;
};

struct Lists {
    explicit Lists(const std::string& noRight = "", const std::string& disabled = "",
                   const std::string& fullScreen = "") {
        files.files[kTestDataFolder + "noright.ini"] = noRight;
        files.files[kTestDataFolder + "disabled.ini"] = disabled;
        files.files[kTestDataFolder + "fullscreen.ini"] = fullScreen;
        lists.refresh();
    }
    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    ProgramLists lists{files, codePage, log, kTestDataFolder};
};

constexpr int kShift = 0x10;
constexpr int kAlt = 0x12;

TEST(PressRulesTest, TheFirstRuleThatAppliesDecidesAndSaysWhy) {
    using O = PressOutcome;
    const ProgramWindow game{"game.exe", "GameWindow"};
    const ProgramWindow remote{"mstsc.exe", "TscShellContainerClass"};
    const ProgramWindow shell{"explorer.exe", "CabinetWClass"};
    const struct Row {
        const char* what;
        const char* noRight;
        const char* disabled;
        const char* fullScreenList;
        ProgramWindow under, front;
        bool fullScreen, confined, hidden;
        int bypassKey, heldKey;
        bool leaveCaptured;
        PressRuling ruling;
    } table[] = {
        {"nothing applies", "", "", "", shell, shell, false, false, false, 0, 0, true, {O::Gesture, ""}},
        {"listed under the cursor",
         "; games\r\ngame.exe\r\n",
         "",
         "",
         game,
         shell,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::LeftAlone, "left alone: noright.ini lists game.exe (game.exe|GameWindow)"}},
        {"listed, but only in front",
         "game.exe",
         "",
         "",
         shell,
         game,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::Gesture, ""}},
        {"the class form",
         "*|TscShellContainerClass",
         "",
         "",
         remote,
         shell,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::LeftAlone,
          "left alone: noright.ini lists *|TscShellContainerClass (mstsc.exe|TscShellContainerClass)"}},
        {"another class of the program",
         "mstsc.exe|TscShellContainerClass",
         "",
         "",
         ProgramWindow{"mstsc.exe", "#32770"},
         shell,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::Gesture, ""}},
        {"disabled, in front",
         "",
         "game.exe",
         "",
         shell,
         game,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::LeftAlone, "left alone: disabled.ini lists game.exe (game.exe|GameWindow)"}},
        {"disabled, under the cursor",
         "",
         "GAME.EXE",
         "",
         game,
         shell,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::LeftAlone, "left alone: disabled.ini lists GAME.EXE (game.exe|GameWindow)"}},
        {"full screen", "", "", "", game, game, true, false, false, 0, 0, true, {O::FullScreen, ""}},
        {"full screen and listed for it",
         "",
         "",
         "game.exe",
         game,
         game,
         true,
         false,
         false,
         0,
         0,
         true,
         {O::Gesture, "full screen, but fullscreen.ini lists game.exe (game.exe|GameWindow)"}},
        {"full screen, listed, then confined",
         "",
         "",
         "game.exe",
         game,
         game,
         true,
         true,
         false,
         0,
         0,
         true,
         {O::LeftAlone, "left alone: the cursor is confined to part of the screen"}},
        {"full screen beats disabled",
         "",
         "game.exe",
         "",
         game,
         game,
         true,
         false,
         false,
         0,
         0,
         true,
         {O::FullScreen, ""}},
        {"bypass key held",
         "",
         "",
         "",
         shell,
         shell,
         false,
         false,
         false,
         kAlt,
         kAlt,
         true,
         {O::LeftAlone, "left alone: Alt is held"}},
        {"another key held",
         "",
         "",
         "",
         shell,
         shell,
         false,
         false,
         false,
         kAlt,
         kShift,
         true,
         {O::Gesture, ""}},
        {"no bypass key chosen",
         "",
         "",
         "",
         shell,
         shell,
         false,
         false,
         false,
         0,
         kShift,
         true,
         {O::Gesture, ""}},
        {"confined",
         "",
         "",
         "",
         game,
         game,
         false,
         true,
         false,
         0,
         0,
         true,
         {O::LeftAlone, "left alone: the cursor is confined to part of the screen"}},
        {"hidden",
         "",
         "",
         "",
         game,
         game,
         false,
         false,
         true,
         0,
         0,
         true,
         {O::LeftAlone, "left alone: the cursor is hidden"}},
        {"confined, rule off", "", "", "", game, game, false, true, true, 0, 0, false, {O::Gesture, ""}},
        {"a comment matches nothing",
         ";game.exe\r\n\r\nC:\\game.exe\r\n",
         "",
         "",
         game,
         game,
         false,
         false,
         false,
         0,
         0,
         true,
         {O::Gesture, ""}},
    };
    for (const Row& row : table) {
        Lists lists(row.noRight, row.disabled, row.fullScreenList);
        ScriptedScene scene;
        scene.under = row.under;
        scene.front = row.front;
        scene.confined = row.confined;
        scene.hidden = row.hidden;
        scene.heldKey = row.heldKey;
        const PressRuleSettings settings{row.leaveCaptured, row.bypassKey};
        EXPECT_EQ(decidePress(lists.lists, settings, row.fullScreen, scene), row.ruling) << row.what;
    }
}

TEST(PressRulesTest, WithEmptyListsNoWindowIsLookedAt) {
    Lists lists("; only comments\r\n");
    ScriptedScene scene;
    EXPECT_EQ(decidePress(lists.lists, PressRuleSettings{}, false, scene).outcome, PressOutcome::Gesture);
    EXPECT_EQ(decidePress(lists.lists, PressRuleSettings{}, true, scene).outcome, PressOutcome::FullScreen);
    EXPECT_EQ(scene.windowQueries, 0);
}

TEST(PressRulesTest, AClipSmallerThanTheDesktopConfinesTheCursor) {
    const std::vector<Rect> two{Rect{0, 0, 1920, 1080}, Rect{-1280, 0, 0, 1024}};
    const struct {
        Rect clip;
        bool confined;
    } table[] = {
        {Rect{-1280, 0, 1920, 1080}, false},                                   // the whole desktop
        {Rect{-2000, -10, 3000, 2000}, false}, {Rect{0, 0, 1920, 1080}, true}, // one monitor of two
        {Rect{100, 100, 900, 700}, true},                                      // a window
        {Rect{-1280, 0, 1920, 1079}, true},
    };
    for (const auto& row : table)
        EXPECT_EQ(confinesCursor(row.clip, two), row.confined) << row.clip.left << "," << row.clip.right;
    EXPECT_FALSE(confinesCursor(Rect{0, 0, 1, 1}, {})) << "no monitors: nothing to compare with";
}

// The recognizer over the program's gate and fakes: what the log says and what is handed over.
class GatedRecognizerTest : public ::testing::Test {
protected:
    GatedRecognizerTest() {
        files.files[kTestDataFolder + "noright.ini"] = "cad.exe\r\n";
        gate.applyPressRules(PressRuleSettings{true, kShift});
        lists.refresh();
        run.usePressGate(gate);
        run.tick(0, false, {500, 500}); // a new recognizer's first tick ends an empty gesture
    }
    // A press, Up then Right, and the release.
    void drawUpRight(std::int64_t at) {
        run.tick(at, true, {500, 500});
        run.tick(at + 80, true, {500, 440});
        run.tick(at + 160, true, {560, 440});
        run.tick(at + 240, true, {620, 440});
        run.tick(at + 320, false, {620, 440});
    }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    TraceRunner run;
    ProgramLists lists{files, codePage, run.log, kTestDataFolder};
    ProgramPressGate gate{run.desktop, run.input, lists};
};

TEST_F(GatedRecognizerTest, APressLeftAloneIsQuietUntilItsReleaseAndTheNextPressIsAskedAgain) {
    run.desktop.underCursor = FakeDesktop::Window{"CAD.exe"};
    run.desktop.underCursor->windowClass = "Viewport";
    drawUpRight(100);
    EXPECT_EQ(run.log.lines(),
              (std::vector<std::string>{" - Init - ", "--------0",
                                        "left alone: noright.ini lists cad.exe (CAD.exe|Viewport)"}));
    EXPECT_TRUE(run.library.gestures().empty());
    EXPECT_FALSE(run.arrows.isShowing());
    EXPECT_FALSE(run.releaseCheckTimer.enabled());

    // Another program under the cursor: the next press is a gesture.
    run.desktop.underCursor.reset();
    drawUpRight(1000);
    EXPECT_EQ(run.library.gestures(), (std::vector<std::string>{"03"}));

    // The bypass key counts when it is held at the press.
    run.input.heldKeys = {kShift};
    run.tick(2000, true, {500, 500});
    run.input.heldKeys.clear();
    run.tick(2080, true, {500, 440});
    run.tick(2160, true, {560, 440});
    run.tick(2240, false, {560, 440});
    EXPECT_EQ(run.library.gestures().size(), 1u);
    EXPECT_EQ(run.log.lines(),
              (std::vector<std::string>{" - Init - ", "--------0", "left alone: Shift is held"}));

    // A program that confines the cursor.
    run.input.clip = Rect{100, 100, 900, 700};
    drawUpRight(3000);
    EXPECT_EQ(run.library.gestures().size(), 1u);
    EXPECT_EQ(run.log.lines().back(), "left alone: the cursor is confined to part of the screen");
}

TEST_F(GatedRecognizerTest, AFullScreenProgramIsAskedAgainEveryTickAsBeforeUnlessListed) {
    run.desktop.foreground = {"game.exe", Rect{0, 0, 1920, 1080}, ShowState::Normal};
    drawUpRight(100);
    EXPECT_EQ(run.log.lines(), (std::vector<std::string>{" - Init - ", "---------1"}));
    EXPECT_TRUE(run.library.gestures().empty());

    files.files[kTestDataFolder + "fullscreen.ini"] = "game.exe\r\n";
    drawUpRight(1000);
    EXPECT_EQ(run.library.gestures(), (std::vector<std::string>{"03"}));
    EXPECT_EQ(run.log.lines()[2], "full screen, but fullscreen.ini lists game.exe (game.exe|FlickmarkProbe)");
}

} // namespace
} // namespace flickmark
