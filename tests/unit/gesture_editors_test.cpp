#include "editors/gesture_edit.h"
#include "editors/gesture_wizard.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {
namespace {

// The enabled buttons as a string of codes, e.g. "1245".
std::string enabledButtons(const GestureEdit& edit) {
    std::string codes;
    for (const Direction d : kGestureDirections)
        if (edit.buttonEnabled(d))
            codes += directionDigit(d);
    return codes;
}

TEST(GestureEdit, AfterEachDirectionItsOwnAndNeighbouringButtonsAreDisabled) {
    const struct {
        Direction clicked;
        const char* enabledAfter;
    } table[] = {
        {Direction::Up, "12367"}, // Up, NE, NW disabled
        {Direction::Down, "02345"}, {Direction::Left, "01346"}, {Direction::Right, "01257"},
        {Direction::NE, "12567"},   {Direction::NW, "13467"},   {Direction::SE, "02457"},
        {Direction::SW, "03456"},
    };
    for (const auto& row : table) {
        GestureEdit edit(true);
        EXPECT_EQ(enabledButtons(edit), "01234567");
        ASSERT_TRUE(edit.click(row.clicked));
        EXPECT_EQ(enabledButtons(edit), row.enabledAfter) << int(row.clicked);
        // Set gesture leaves the buttons as if its last direction had been clicked.
        GestureEdit loaded(true);
        const char before = row.clicked == Direction::Up ? '1' : '0';
        ASSERT_TRUE(loaded.setGesture(std::string{before, directionDigit(row.clicked)}));
        EXPECT_EQ(enabledButtons(loaded), row.enabledAfter) << int(row.clicked);
    }
}

TEST(GestureEdit, ComposesTheGestureAndItsName) {
    GestureEdit edit(false);
    EXPECT_FALSE(edit.buttonVisible(Direction::NE));
    EXPECT_FALSE(edit.click(Direction::NE));
    EXPECT_TRUE(edit.click(Direction::Up));
    EXPECT_FALSE(edit.click(Direction::Up));
    EXPECT_TRUE(edit.click(Direction::Right));
    EXPECT_EQ(edit.gesture(), "03");
    EXPECT_EQ(edit.displayName(), "UP+RIGHT");
    edit.removeLastDirection();
    EXPECT_EQ(edit.displayName(), "UP");
    EXPECT_FALSE(edit.buttonEnabled(Direction::Up));
    edit.clear();
    EXPECT_EQ(edit.displayName(), "");

    edit.setDiagonalsEnabled(true);
    EXPECT_TRUE(edit.click(Direction::NE));
    EXPECT_TRUE(edit.click(Direction::SW));
    EXPECT_EQ(edit.gesture(), "47");
    EXPECT_EQ(edit.displayName(), "NE+SW");

    EXPECT_TRUE(edit.setGesture("12"));
    EXPECT_EQ(edit.displayName(), "DOWN+LEFT");
    EXPECT_FALSE(edit.click(Direction::Left)); // no "122"
    for (const char* text : {"", "033", "18", "x"}) {
        EXPECT_FALSE(edit.setGesture(text)) << text;
        EXPECT_EQ(edit.gesture(), "") << text;
    }
}

using Texts = std::vector<std::string>;

char pageDigit(const GestureWizard& wizard) {
    return static_cast<char>('0' + static_cast<int>(wizard.page()));
}

// "B", "N", "F" for the enabled buttons Back, Next and Finish.
std::string buttons(const GestureWizard& wizard) {
    std::string enabled;
    if (wizard.canGoBack())
        enabled += 'B';
    if (wizard.canGoNext())
        enabled += 'N';
    if (wizard.canFinish())
        enabled += 'F';
    return enabled;
}

TEST(GestureWizard, PagesFollowTheActionType) {
    const struct {
        ActionType type;
        const char* forward; // page and buttons after each Next
        const char* backward;
    } table[] = {
        {ActionType::Keystroke, "0N 1BN 2BN 6BF", "210"},
        {ActionType::MultipleKeystrokes, "0N 1BN 3BN 6BF", "310"},
        {ActionType::RunProgram, "0N 1BN 4BN 6BF", "410"},
        {ActionType::WindowCommand, "0N 1BN 5BN 6BF", "510"},
    };
    GestureWizard wizard;
    for (const auto& row : table) {
        wizard.startNew({}, false);
        wizard.gestureEditor().click(Direction::Up);
        wizard.selectActionType(row.type);
        wizard.programEditor().setProgram("notepad.exe");
        wizard.keystrokeEdit().keyDown(0x41, {});
        wizard.keystrokeListEditor().add(wizard.keystrokeEdit().keystroke());
        std::string forward = pageDigit(wizard) + buttons(wizard);
        while (wizard.canGoNext()) {
            ASSERT_EQ(wizard.next(), std::nullopt);
            forward += ' ' + (pageDigit(wizard) + buttons(wizard));
        }
        EXPECT_EQ(forward, row.forward);
        std::string backward;
        while (wizard.canGoBack()) {
            wizard.back();
            backward += pageDigit(wizard);
        }
        EXPECT_EQ(backward, row.backward);
    }
}

TEST(GestureWizard, SummaryAndResultOfEachActionType) {
    const struct {
        const char* what;
        ActionType type;
        std::function<void(GestureWizard&)> fill;
        Texts summary; // after the gesture lines
        const char* action;
    } table[] = {
        {"single keystroke",
         ActionType::Keystroke,
         [](GestureWizard& w) { w.keystrokeEdit().keyDown(0x53, {.ctrl = true, .shift = true}); },
         {"Keystroke: ", "\tCTRL+SHIFT+S"},
         "011053CTRL+SHIFT+S"},
        {"list",
         ActionType::MultipleKeystrokes,
         [](GestureWizard& w) { w.keystrokeListEditor().choose(keystrokeListExamples()[2]); },
         {"Keystrokes: ", "\tALT+SPACE", "\tN", " "},
         "100020ALT+SPACE|00004EN"},
        {"program alone",
         ActionType::RunProgram,
         [](GestureWizard& w) { w.programEditor().setProgram("notepad.exe"); },
         {"Program or File: ", "\tnotepad.exe", " "},
         "notepad.exe|"},
        {"program with parameters",
         ActionType::RunProgram,
         [](GestureWizard& w) {
             w.programEditor().setProgram("C:\\My Tools\\app.exe");
             w.programEditor().setParameters("-x");
         },
         {"Program or File: ", "\tC:\\My Tools\\app.exe", " ", "Parameters: ", "\t-x"},
         "C:\\My Tools\\app.exe|-x"},
        {"window command as it starts",
         ActionType::WindowCommand,
         [](GestureWizard&) {},
         {"Command: ", "\tMaximize"},
         "Maximize"},
        {"window command chosen",
         ActionType::WindowCommand,
         [](GestureWizard& w) { w.windowCommandEditor().choose(WindowCommand::PlayPause); },
         {"Command: ", "\tPlay / Pause"},
         "Play / Pause"},
    };
    GestureWizard wizard;
    for (const auto& row : table) {
        wizard.startNew({"1"}, false);
        wizard.gestureEditor().click(Direction::Up);
        wizard.gestureEditor().click(Direction::Right);
        wizard.selectActionType(row.type);
        wizard.next();
        wizard.next();
        row.fill(wizard);
        wizard.next();
        Texts summary{"Gesture:   ", "\tUP+RIGHT", " "};
        summary.insert(summary.end(), row.summary.begin(), row.summary.end());
        EXPECT_EQ(wizard.summary(), summary) << row.what;
        EXPECT_EQ(wizard.finish(), (WizardResult{{"03", row.type, row.action, std::nullopt}, std::nullopt}))
            << row.what;
    }
}

TEST(GestureWizard, TheGesturePageRefusesEmptyAndExistingGestures) {
    const GestureDefinition upRight{"03", ActionType::Keystroke, "000053S", std::nullopt};
    const struct {
        const char* what;
        std::optional<GestureDefinition> editing;
        std::vector<Direction> directions; // clicked after clearing; none keeps an edited gesture
        std::optional<std::string> refusal;
        std::optional<std::string> renamedFrom;
    } table[] = {
        {"new duplicate",
         {},
         {Direction::Up, Direction::Right},
         "Cannot use UP+RIGHT. Gesture already exists.",
         {}},
        {"new empty", {}, {}, "Click the direction buttons to define the gesture.", {}},
        {"new", {}, {Direction::Down, Direction::Left}, {}, {}},
        {"edit unchanged", upRight, {}, {}, {}},
        {"edit into another",
         upRight,
         {Direction::Up, Direction::Left},
         "Cannot use UP+LEFT. Gesture already exists.",
         {}},
        {"edit renamed", upRight, {Direction::Down}, {}, "03"},
        {"edit emptied",
         upRight,
         {Direction::None},
         "Click the direction buttons to define the gesture.",
         {}},
    };
    GestureWizard wizard;
    for (const auto& row : table) {
        const Texts existing{"02", "03"};
        if (row.editing)
            wizard.startEdit(*row.editing, EditStart::Gesture, existing, false);
        else
            wizard.startNew(existing, false);
        if (!row.directions.empty())
            wizard.gestureEditor().clear();
        for (Direction d : row.directions)
            wizard.gestureEditor().click(d);
        EXPECT_EQ(wizard.next(), row.refusal) << row.what;
        if (row.refusal) {
            EXPECT_EQ(wizard.page(), WizardPage::Gesture) << row.what;
            continue;
        }
        wizard.keystrokeEdit().keyDown(0x74, {});
        for (std::size_t page = 0; page < kWizardPageCount; ++page)
            wizard.next();
        const auto result = wizard.finish();
        ASSERT_TRUE(result) << row.what;
        EXPECT_EQ(result->renamedFrom, row.renamedFrom) << row.what;
    }
}

// A gesture that was drawn and not found starts the wizard on the action type page, unless the set has it
// or it is not a gesture; Back still reaches the direction buttons.
TEST(GestureWizard, NoActionPageLetsAnEmptyActionThrough) {
    const struct {
        ActionType type;
        const char* refusal;
        std::function<void(GestureWizard&)> fill;
    } table[] = {
        {ActionType::Keystroke, "Press the keystroke to send while the key field has the focus.",
         [](GestureWizard& w) { w.keystrokeEdit().keyDown(0x74, {}); }},
        {ActionType::MultipleKeystrokes,
         "Add at least one keystroke to the list, or choose one of the examples.",
         [](GestureWizard& w) {
             w.keystrokeListEditor().add(KeystrokeData{0, 0, 0, 0, 0x74, "F5"});
         }},
        {ActionType::RunProgram, "Enter the program, document or folder to start, or choose one with Browse.",
         [](GestureWizard& w) { w.programEditor().setProgram("notepad.exe"); }},
    };
    for (const auto& row : table) {
        GestureWizard wizard;
        wizard.startNew({}, false);
        wizard.gestureEditor().click(Direction::Up);
        ASSERT_EQ(wizard.next(), std::nullopt);
        wizard.selectActionType(row.type);
        ASSERT_EQ(wizard.next(), std::nullopt);
        const WizardPage page = wizard.page();
        EXPECT_EQ(wizard.next(), std::optional<std::string>(row.refusal));
        EXPECT_EQ(wizard.page(), page) << row.refusal;
        row.fill(wizard);
        EXPECT_EQ(wizard.next(), std::nullopt);
        EXPECT_EQ(wizard.page(), WizardPage::Summary);
    }
}

TEST(GestureWizard, ANewGestureChosenAlreadyStartsOnTheActionPage) {
    const struct {
        const char* gesture;
        WizardPage page;
        const char* shown; // the gesture page's name
    } table[] = {
        {"02", WizardPage::ActionType, "UP+LEFT"},
        {"03", WizardPage::Gesture, "UP+RIGHT"}, // the set has it: the page says so at Next
        {"0x", WizardPage::Gesture, ""},
        {"", WizardPage::Gesture, ""},
    };
    GestureWizard wizard;
    for (const auto& row : table) {
        wizard.startNew({"03"}, true, row.gesture);
        EXPECT_EQ(wizard.page(), row.page) << row.gesture;
        EXPECT_EQ(wizard.gestureEditor().displayName(), row.shown) << row.gesture;
    }
    wizard.startNew({"03"}, true, "02");
    wizard.selectActionType(ActionType::WindowCommand);
    EXPECT_EQ(wizard.next(), std::nullopt);
    EXPECT_EQ(wizard.next(), std::nullopt);
    ASSERT_TRUE(wizard.finish());
    EXPECT_EQ(wizard.finish()->definition.gesture, "02");
    wizard.startNew({"03"}, true, "02");
    wizard.back();
    EXPECT_EQ(wizard.page(), WizardPage::Gesture);
}

TEST(GestureWizard, EditingAnActionLoadsOnlyItsOwnEditor) {
    GestureWizard wizard;
    // A previous run leaves its program behind for the next new gesture, never for an edited one.
    wizard.startNew({}, false);
    wizard.selectActionType(ActionType::RunProgram);
    wizard.programEditor().setProgram("old.exe");

    const GestureDefinition list{"03", ActionType::MultipleKeystrokes, "000009TAB|bad piece|000053S",
                                 std::nullopt};
    EXPECT_EQ(
        wizard.startEdit(list, EditStart::Action, {"03", "12"}, false),
        Texts{"Gesture 03: the keystroke \"bad piece\" in its list does not decode; it is kept as written"});
    EXPECT_EQ(wizard.page(), WizardPage::KeystrokeList);
    EXPECT_EQ(wizard.keystrokeListEditor().entries().size(), 3u);
    EXPECT_EQ(wizard.programEditor().program(), "");
    wizard.next();
    EXPECT_EQ(wizard.finish(), (WizardResult{list, std::nullopt}));

    // Changed after Back from the action: a rename, checked against the other gestures.
    wizard.startEdit(list, EditStart::Action, {"03", "12"}, false);
    wizard.back();
    wizard.back();
    wizard.gestureEditor().setGesture("12");
    EXPECT_TRUE(wizard.next());
    wizard.gestureEditor().click(Direction::Up);
    EXPECT_EQ(wizard.next(), std::nullopt);
    wizard.next();
    wizard.next();
    EXPECT_EQ(wizard.finish(), (WizardResult{{"120", list.type, list.action, std::nullopt}, "03"}));

    // A single keystroke that does not decode shows as written; another type starts with its editor empty.
    EXPECT_EQ(wizard.startEdit({"1", ActionType::Keystroke, "1000ZZ", std::nullopt}, EditStart::Action, {"1"},
                               false),
              Texts{"Gesture 1: the keystroke \"1000ZZ\" does not decode; it is kept as written"});
    EXPECT_EQ(wizard.page(), WizardPage::Keystroke);
    EXPECT_EQ(wizard.keystrokeEdit().fieldText(), "1000ZZ");
    wizard.back();
    wizard.selectActionType(ActionType::RunProgram);
    wizard.next();
    EXPECT_EQ(wizard.page(), WizardPage::Program);
    EXPECT_EQ(wizard.programEditor().actionText(), "|");
    wizard.programEditor().setProgram("app.exe|-x");
    EXPECT_EQ(wizard.next(),
              "A program or file name cannot contain \"|\". Put the parameters in \"Optional Parameters\".");
    EXPECT_EQ(wizard.page(), WizardPage::Program);
}

// A window command keeps its name as stored (in any case) until another command is chosen, which is
// stored as this version spells it; a name this version does not know is kept read-only.
TEST(GestureWizard, WindowCommandsKeepTheirStoredNameUnlessAnotherIsChosen) {
    const struct {
        const char* stored;
        std::optional<WindowCommand> choice; // made on the command page
        const char* result;
    } table[] = {
        {"maximize", std::nullopt, "maximize"},
        {" Always On Top", std::nullopt, " Always On Top"},
        {"maximize", WindowCommand::Maximize, "maximize"},
        {"maximize", WindowCommand::NextMonitor, "Next Monitor"},
    };
    GestureWizard wizard;
    for (const auto& row : table) {
        const GestureDefinition current{"03", ActionType::WindowCommand, row.stored, std::nullopt};
        EXPECT_TRUE(wizard.startEdit(current, EditStart::Action, {"03"}, false).empty());
        EXPECT_EQ(wizard.page(), WizardPage::WindowCommand) << row.stored;
        if (row.choice)
            wizard.windowCommandEditor().choose(*row.choice);
        wizard.next();
        const auto result = wizard.finish();
        ASSERT_TRUE(result) << row.stored;
        EXPECT_EQ(result->definition.action, row.result) << row.stored;
    }

    const GestureDefinition shade{"03", ActionType::Keystroke, "Shade", "Window Command"};
    wizard.startEdit(shade, EditStart::Action, {"03"}, false);
    EXPECT_EQ(wizard.page(), WizardPage::ActionType);
    EXPECT_EQ(wizard.unknownTypeNote(),
              "This version of Flickmark does not know the window command \"Shade\". "
              "Keep it as stored, or choose a type above to replace it.");
    wizard.next();
    EXPECT_EQ(wizard.finish(), (WizardResult{shade, std::nullopt}));
}

TEST(GestureWizard, AnUnknownTypeShowsItsActionReadOnlyAndKeepsItUnlessAnotherTypeIsChosen) {
    const GestureDefinition macro{"03", ActionType::Keystroke, "anything", "Macro"};
    const GestureDefinition untyped{"03", ActionType::Keystroke, "x", ""};
    const struct {
        const char* what;
        GestureDefinition current;
        EditStart from;
        std::function<void(GestureWizard&)> change; // on the first page
        const char* pages;                          // the first page, then after each Next
        std::optional<WizardResult> result;
    } table[] = {
        {"Edit Gesture, unchanged", macro, EditStart::Gesture, [](GestureWizard&) {}, "016", {{macro, {}}}},
        {"Edit Action opens on the action type page",
         macro,
         EditStart::Action,
         [](GestureWizard&) {},
         "16",
         {{macro, {}}}},
        {"renamed",
         macro,
         EditStart::Gesture,
         [](GestureWizard& w) { w.gestureEditor().setGesture("12"); },
         "016",
         {{{"12", ActionType::Keystroke, "anything", "Macro"}, "03"}}},
        {"without a type", untyped, EditStart::Action, [](GestureWizard&) {}, "16", {{untyped, {}}}},
        {"edited into a list",
         macro,
         EditStart::Action,
         [](GestureWizard& w) {
             w.selectActionType(ActionType::MultipleKeystrokes);
             w.keystrokeListEditor().add(KeystrokeData{0, 0, 0, 0, 0x74, "F5"});
         },
         "136",
         {{{"03", ActionType::MultipleKeystrokes, "000074F5", std::nullopt}, {}}}},
        {"another type chosen, then the stored one kept",
         macro,
         EditStart::Action,
         [](GestureWizard& w) {
             w.selectActionType(ActionType::RunProgram);
             w.keepStoredAction();
         },
         "16",
         {{macro, {}}}},
    };
    GestureWizard wizard;
    for (const auto& row : table) {
        EXPECT_TRUE(wizard.startEdit(row.current, row.from, {"03"}, false).empty()) << row.what;
        EXPECT_EQ(wizard.unknownType(), row.current.unknownType) << row.what;
        EXPECT_EQ(wizard.unknownAction(), row.current.action) << row.what;
        EXPECT_EQ(wizard.actionType(), std::nullopt) << row.what;
        row.change(wizard);
        std::string pages(1, pageDigit(wizard));
        while (wizard.canGoNext()) {
            ASSERT_EQ(wizard.next(), std::nullopt) << row.what;
            pages += pageDigit(wizard);
        }
        EXPECT_EQ(pages, row.pages) << row.what;
        EXPECT_EQ(wizard.finish(), row.result) << row.what;
    }

    wizard.startEdit(macro, EditStart::Gesture, {"03"}, false);
    EXPECT_EQ(wizard.unknownTypeNote(),
              "This version of Flickmark cannot edit actions of the type \"Macro\". "
              "Keep it as stored, or choose a type above to replace it.");
    for (int page = 0; page < 2; ++page)
        wizard.next();
    EXPECT_EQ(wizard.summary(), (Texts{"Gesture:   ", "\tUP+RIGHT", " ", "Action type: ", "\tMacro", " ",
                                       "Action: ", "\tanything"}));
    wizard.startEdit(untyped, EditStart::Gesture, {"03"}, false);
    EXPECT_EQ(wizard.unknownTypeNote(),
              "This gesture has no action type, so this version of Flickmark cannot "
              "edit its action. Keep it as stored, or choose a type above to replace it.");

    // A known type cannot be dropped, and the next new gesture starts with a known type and nothing kept.
    wizard.startEdit({"1", ActionType::RunProgram, "a.exe", std::nullopt}, EditStart::Action, {"1"}, false);
    wizard.keepStoredAction();
    EXPECT_EQ(wizard.actionType(), ActionType::RunProgram);
    EXPECT_EQ(wizard.unknownTypeNote(), "");
    wizard.startEdit(macro, EditStart::Action, {"03"}, false);
    wizard.startNew({}, false);
    EXPECT_EQ(wizard.actionType(), ActionType::Keystroke);
    EXPECT_EQ(wizard.unknownType(), std::nullopt);
}

} // namespace
} // namespace flickmark
