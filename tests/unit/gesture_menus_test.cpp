// The help and suggestions menus over a recognizer and a dispatcher wired to fakes: the wait for the release,
// the menu, the second opening, the chosen gesture, and the recognizer kept still throughout.
#include "fakes/dispatch_rig.h"
#include "fakes/recording_gesture_creation.h"
#include "fakes/scripted_popup_menu.h"
#include "library/gesture_handling.h"
#include "library/gesture_menus.h"
#include "stroke_script.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace flickmark {
namespace {

using Answer = ScriptedPopupMenu::Answer;

class RecordingConfigurationPages final : public ConfigurationPages {
public:
    void openConfiguration(int page) override { pages.push_back(page); }
    std::vector<int> pages;
};

std::vector<std::string> captionsOf(const std::vector<MenuItem>& items) {
    std::vector<std::string> out;
    for (const MenuItem& item : items)
        out.push_back(item.caption);
    return out;
}

class GestureMenusTest : public ::testing::Test {
protected:
    GestureMenusTest() {
        rig.addFile("Gestures_probe.exe.ini",
                    gestureSection("0", "Keystroke", "000041A") +
                        gestureSection("30", "Keystroke", "000042B") +
                        gestureSection("03", "Multiple Keystrokes", "010043CTRL+C|000074F5"));
        rig.addFile("Gestures.ini", gestureSection("01", "Keystroke", "000044D"));
        rig.store.loadShownSet("Gestures.ini");
        rig.setForeground("probe.exe");
        loops.setObserver(&run.recognizer);
        run.useLibrary(handling);
        // The messages of a wait: the system may still deliver ticks of either recognizer timer.
        rig.clock.onMessages = [this] {
            ++waits;
            timerOffInEveryWait = timerOffInEveryWait && !run.mouseTimer.enabled();
            run.recognizer.onMouseTimer();
            run.recognizer.onPauseTimer();
            if (duringWait)
                duringWait(waits);
        };
    }

    // Up, held still: the pause fires at 980, and the help flow runs inside that timer's tick.
    void holdUpUntilHelp() {
        StrokeScript script(run);
        script.hold({{500, 500}, {500, 470}}).stay(9);
        run.advanceTo(980);
    }
    void releaseAfterWaits(int count) {
        duringWait = [this, count](int wait) {
            if (wait == count)
                run.input.buttonDown = false;
        };
    }
    std::vector<int> keysDown() const {
        std::vector<int> keys;
        for (const KeyEventRecord& e : rig.keyboard.events)
            if ((e.flags & 2u) == 0)
                keys.push_back(e.virtualKey);
        return keys;
    }
    void chooseSetsForProbe() { rig.store.loadLookupSet(programFileName("probe.exe")); }
    // The full lookup of a drawn gesture, as the program hands it over with diagonals enabled.
    void lookUp(const std::string& gesture) {
        LookupOptions options = rig.dispatcher.options();
        options.diagonals = true;
        rig.dispatcher.setOptions(options);
        handling.gestureFinished({gesture, {}});
    }

    TraceRunner run;
    DispatchRig rig{"C:\\data\\", &run.log};
    NestedLoops loops;
    ScriptedPopupMenu menu{rig.clock};
    FakeTimer helpConfigTimer{rig.clock};
    RecordingConfigurationPages configuration;
    ProgramLists programLists{rig.files, rig.codePage, rig.log, rig.dataFolder};
    RecordingGestureCreation creation;
    GestureMenus menus{GestureMenusPorts{menu, rig.popup, run.input, rig.clock, helpConfigTimer, loops,
                                         rig.menus, rig.windows, rig.foreground, rig.store, run.recognizer,
                                         configuration, programLists, creation, rig.log},
                       [this](const std::string& gesture) { rig.dispatcher.runGesture(gesture, true); }};
    GestureHandling handling{rig.dispatcher, menus};
    int waits = 0;
    bool timerOffInEveryWait = true;
    std::function<void(int)> duringWait;
};

TEST_F(GestureMenusTest, HelpShowsTheTextUntilTheReleaseThenRunsTheChosenGestureQuietlyInTheProgram) {
    releaseAfterWaits(5);
    menu.answers = {Answer{kFirstEntryId + 1, 700}}; // UP+RIGHT
    holdUpUntilHelp();

    ASSERT_EQ(rig.popup.shown.size(), 1u) << "quiet: no gesture name afterwards";
    EXPECT_EQ(rig.popup.shown[0].text, "Help Popup");
    EXPECT_EQ(rig.popup.shown[0].at, (Point{515, 470}));
    EXPECT_FALSE(rig.popup.isShowing());
    EXPECT_EQ(waits, 5 + 2) << "five waits for the release, the run delay, the plain lookup's wait";
    EXPECT_TRUE(timerOffInEveryWait);

    ASSERT_EQ(menu.shown.size(), 1u);
    EXPECT_EQ(menu.shown[0].timeMs, 50) << "opened once the button was up";
    EXPECT_EQ(menu.shown[0].at, (Point{440, 490}));
    EXPECT_EQ(captionsOf(menu.shown[0].items),
              (std::vector<std::string>{"Help Popup", "", "probe.exe", "UP\t   (A)",
                                        "UP+RIGHT\t   (CTRL+C | F5)", "All programs", "UP+DOWN\t   (D)", "",
                                        "Close", "", "Gestures off in probe.exe"}));
    EXPECT_EQ(keysDown(), (std::vector<int>{0x11, 0x43, 0x74}));
    EXPECT_GE(rig.keyboard.events.front().timeMs, 50 + 700 + GestureMenus::kRunDelayMs);
    // The menu took the keyboard through the foreground program's input and gave the foreground back.
    ASSERT_GE(rig.windows.attachCalls.size(), 2u);
    EXPECT_TRUE(rig.windows.attachCalls[0].attach);
    EXPECT_FALSE(rig.windows.attachCalls[1].attach);
    ASSERT_FALSE(rig.windows.attachedAtChange.empty());
    EXPECT_TRUE(rig.windows.attachedAtChange[0]);
    EXPECT_EQ(rig.menus.dismissals, 2) << "before the menu and before the keystrokes";

    // Sampling resumes; the held gesture is forgotten instead of completing at the release.
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_FALSE(run.pauseTimer.enabled());
    const auto linesBefore = run.log.lines().size();
    run.tick(1060, false, {500, 470});
    run.tick(1160, false, {500, 470});
    EXPECT_EQ(run.log.lines().size(), linesBefore + 1); // " - Init - " only
    EXPECT_FALSE(logHasLineStartingWith(run.log, "gesture 0 "));
}

TEST_F(GestureMenusTest, HelpWithoutMatchesShowsItsTextUntilTheReleaseAndLetsTheGestureComplete) {
    rig.setForeground("other.exe"); // no set of its own; the global set has nothing beginning with Right
    releaseAfterWaits(3);
    StrokeScript script(run);
    script.hold({{500, 500}, {560, 500}}).stay(9);
    run.advanceTo(980);

    ASSERT_EQ(rig.popup.shown.size(), 1u);
    EXPECT_EQ(rig.popup.shown[0].text, "Help Popup - no matches");
    EXPECT_FALSE(rig.popup.isShowing());
    EXPECT_TRUE(menu.shown.empty());
    run.tick(1060, false, {560, 500});
    EXPECT_TRUE(logHasLineStartingWith(run.log, "no gesture 3 "));
}

TEST_F(GestureMenusTest, TheWaitEndsAtTheReleaseWhenMonitoringIsSwitchedOffAndAtProgramEnd) {
    struct Row {
        const char* name;
        std::function<void()> end;
        bool menuShown;
        bool samplingAfter;
    };
    const Row rows[] = {
        {"release", [this] { run.input.buttonDown = false; }, true, true},
        {"monitoring off", [this] { run.recognizer.setMonitoringEnabled(false); }, false, false},
        {"program end", [this] { rig.clock.ending = true; }, false, true},
    };
    for (const Row& row : rows) {
        menu.shown.clear();
        run.recognizer.setMonitoringEnabled(true);
        rig.clock.ending = false;
        duringWait = [&](int wait) {
            if (wait == 4)
                row.end();
        };
        chooseSetsForProbe();
        run.input.buttonDown = true;
        waits = 0;
        menus.showHelp(Direction::Up);
        EXPECT_EQ(waits, 4) << row.name;
        EXPECT_EQ(menu.shown.size(), row.menuShown ? 1u : 0u) << row.name;
        EXPECT_EQ(run.mouseTimer.enabled(), row.samplingAfter) << row.name;
        EXPECT_FALSE(rig.popup.isShowing()) << row.name;
    }
    EXPECT_TRUE(timerOffInEveryWait);
}

TEST_F(GestureMenusTest, AMenuThatClosedAtOnceWithoutAChoiceOpensOnceMore) {
    struct Row {
        std::vector<Answer> answers;
        std::size_t showings;
        bool ran;
    };
    const Row rows[] = {
        {{{std::nullopt, 5}, {kFirstEntryId, 900}}, 2, true}, // could not take the foreground
        {{{std::nullopt, 199}, {std::nullopt, 900}}, 2, false},
        {{{std::nullopt, 5}, {std::nullopt, 5}}, 2, false}, // never a third time
        {{{std::nullopt, 200}}, 1, false},                  // Escape or a click elsewhere
        {{{std::nullopt, 4000}}, 1, false},
        {{{kFirstEntryId, 5}}, 1, true}, // a choice, however fast
        {{{kCloseId, 5}}, 1, false},
    };
    for (const Row& row : rows) {
        menu.shown.clear();
        menu.answers.assign(row.answers.begin(), row.answers.end());
        rig.keyboard.events.clear();
        run.input.cursor = {300, 200};
        chooseSetsForProbe();
        menus.showSuggestions("02", {"0"});
        ASSERT_EQ(menu.shown.size(), row.showings) << row.answers.front().openMs;
        EXPECT_EQ(menu.shown.back().at, (Point{240, 220}));
        EXPECT_EQ(!rig.keyboard.events.empty(), row.ran) << row.answers.front().openMs;
    }
}

TEST_F(GestureMenusTest, AMenuClosedBecauseTheProgramEndsIsNotShownAgain) {
    menu.answers.assign({Answer{std::nullopt, 5}});
    menu.whileOpen = [this](MenuHighlightListener*) { rig.clock.ending = true; };
    run.input.cursor = {300, 200};
    chooseSetsForProbe();
    menus.showSuggestions("02", {"0"});
    EXPECT_EQ(menu.shown.size(), 1u);
    rig.clock.ending = false;
}

TEST_F(GestureMenusTest, SuggestionsFromTheFullLookupNameTheDrawnGestureAndConfigureOpensThePages) {
    rig.dispatcher.setOptions({.suggestions = true, .corrections = false});
    menu.answers = {Answer{kConfigureId, 500}};
    lookUp("02");
    ASSERT_EQ(menu.shown.size(), 1u);
    EXPECT_EQ(captionsOf(menu.shown[0].items),
              (std::vector<std::string>{
                  "Suggestions Popup ", "(UP+LEFT) not found ", "", "UP\t   (A)", "UP+DOWN\t   (D)",
                  "UP+RIGHT\t   (CTRL+C | F5)", "", "New gesture UP+LEFT for probe.exe...",
                  "New gesture UP+LEFT for all programs...", "", "Close", "", "Gestures off in probe.exe"}));
    EXPECT_EQ(configuration.pages, (std::vector<int>{kDiagonalsPage}));
    EXPECT_TRUE(rig.keyboard.events.empty());

    menu.answers = {Answer{kConfigureId, 500}};
    run.input.buttonDown = false;
    chooseSetsForProbe();
    menus.showHelp(Direction::Up);
    EXPECT_EQ(configuration.pages.size(), 1u) << "the help menu's page opens a moment later";
    EXPECT_TRUE(helpConfigTimer.enabled());
    EXPECT_EQ(helpConfigTimer.interval(), 300);
    menus.onHelpConfigTimer();
    EXPECT_FALSE(helpConfigTimer.enabled());
    EXPECT_EQ(configuration.pages, (std::vector<int>{kDiagonalsPage, kHelpPopupPage}));
}

// "New gesture" hands the drawn gesture and the set on to the editors and runs nothing.
TEST_F(GestureMenusTest, NewGestureFromTheSuggestionsAsksForItInTheProgramsSetOrTheGlobalOne) {
    rig.dispatcher.setOptions({.suggestions = true, .corrections = false});
    const struct {
        int id;
        std::string program;
        std::string logLine;
    } rows[] = {
        {kNewForProgramId, "probe.exe", "menu choice New gesture UP+LEFT for probe.exe..."},
        {kNewForAllId, "", "menu choice New gesture UP+LEFT for all programs..."},
    };
    for (const auto& row : rows) {
        creation.requests.clear();
        menu.answers = {Answer{row.id, 500}};
        lookUp("02");
        EXPECT_EQ(creation.requests, (std::vector<std::pair<std::string, std::string>>{{"02", row.program}}));
        EXPECT_TRUE(logHasLineStartingWith(rig.log, row.logLine)) << row.logLine;
        EXPECT_TRUE(rig.keyboard.events.empty());
    }
    // Without a known program in front only the global set is offered.
    rig.setForeground("");
    menu.shown.clear();
    chooseSetsForProbe();
    menus.showSuggestions("02", {"0"});
    ASSERT_EQ(menu.shown.size(), 1u);
    const std::vector<std::string> captions = captionsOf(menu.shown[0].items);
    EXPECT_EQ(std::count_if(captions.begin(), captions.end(),
                            [](const std::string& c) { return c.starts_with("New gesture"); }),
              1);
}

TEST_F(GestureMenusTest, GesturesOffPutsTheProgramInFrontOnTheNoRightListAndRunsNothing) {
    const std::string noRight = rig.dataFolder + "noright.ini";
    rig.files.files[noRight] = "; games\r\nsolitaire.exe\r\n";
    for (const bool help : {true, false}) {
        menu.answers = {Answer{kGesturesOffId, 500}};
        if (help) {
            releaseAfterWaits(2);
            holdUpUntilHelp();
        } else {
            lookUp("02");
        }
        EXPECT_TRUE(rig.keyboard.events.empty());
        EXPECT_EQ(rig.files.files[noRight], "; games\r\nsolitaire.exe\r\nprobe.exe\r\n") << help;
        EXPECT_TRUE(logHasLineStartingWith(rig.log, "noright.ini: added probe.exe"));
    }
    // Without a known program in front there is no such item.
    rig.setForeground("");
    menu.shown.clear();
    chooseSetsForProbe();
    menus.showSuggestions("02", {"0"});
    ASSERT_EQ(menu.shown.size(), 1u);
    EXPECT_EQ(captionsOf(menu.shown[0].items).back(), "Close");
}

TEST_F(GestureMenusTest, AMenuThatFailsIsLoggedAndLeavesNoAttachmentAndSamplingRunning) {
    menu.answers = {Answer{std::nullopt, 0, true}};
    chooseSetsForProbe();
    menus.showSuggestions("02", {"0"});
    EXPECT_TRUE(logHasLineStartingWith(run.log, "The menu could not be shown: menu could not be built"));
    EXPECT_TRUE(menu.shown.empty()) << "not tried again";
    EXPECT_FALSE(loops.active());
    EXPECT_TRUE(run.mouseTimer.enabled());
    EXPECT_FALSE(rig.foreground.attached());

    // Refused attachment: the menu still opens.
    rig.windows.attachSucceeds = false;
    menus.showSuggestions("02", {"0"});
    EXPECT_EQ(menu.shown.size(), 1u);
}

TEST_F(GestureMenusTest, AClickIntoAnotherProgramThatClosesTheMenuLeavesThatProgramInFront) {
    chooseSetsForProbe();
    menus.showSuggestions("02", {"0"});
    EXPECT_EQ(rig.windows.foregroundChanges.size(), 1u) << "the program in front gets the foreground back";

    rig.windows.foregroundChanges.clear();
    menu.whileOpen = [this](MenuHighlightListener*) { rig.setForeground("editor.exe"); };
    menus.showSuggestions("02", {"0"});
    EXPECT_TRUE(rig.windows.foregroundChanges.empty());
}

} // namespace
} // namespace flickmark
