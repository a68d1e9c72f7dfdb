#include "library/gesture_set_selector.h"
#include "library/gestures_window_model.h"

#include "fakes/fake_file_system.h"
#include "fakes/fake_window_stack.h"
#include "fakes/windows_1252_code_page.h"
#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;
using Items = std::vector<SetSelectorItem>;

TEST(SetSelector, ItemsFromTheFolderAndTheOpenPrograms) {
    const SetSelectorItem global{"Gestures.ini", true};
    const struct {
        const char* what;
        Items before;
        Strings folderFiles;
        Strings programs;
        Items after;
    } table[] = {
        {"empty folder, no programs", {}, {}, {}, {global}},
        {"the global file listed by the folder is not added twice",
         {global},
         {"Gestures.ini", "Gestures_notepad.exe.ini"},
         {},
         {global, {"Gestures_notepad.exe.ini", true}}},
        {"a program without a file gets an item without picture",
         {global},
         {},
         {"calc.exe", "notepad.exe"},
         {global, {"Gestures_calc.exe.ini", false}, {"Gestures_notepad.exe.ini", false}}},
        {"a program whose file exists is not added again, whatever the case",
         {global},
         {"gestures_NOTEPAD.EXE.ini"},
         {"notepad.exe"},
         {global, {"gestures_NOTEPAD.EXE.ini", true}}},
        {"a file created since the last fill gets its picture and keeps its place",
         {global, {"Gestures_calc.exe.ini", false}},
         {"Gestures_calc.exe.ini", "Gestures_a.exe.ini"},
         {},
         {global, {"Gestures_calc.exe.ini", true}, {"Gestures_a.exe.ini", true}}},
        {"items of programs that were closed stay",
         {global, {"Gestures_gone.exe.ini", false}},
         {},
         {"calc.exe"},
         {global, {"Gestures_gone.exe.ini", false}, {"Gestures_calc.exe.ini", false}}},
        {"the global file spelt otherwise in the folder is the global item",
         {},
         {"gestures.ini"},
         {},
         {global}},
    };
    for (const auto& row : table) {
        Items items = row.before;
        addSetSelectorItems(items, row.folderFiles, row.programs);
        EXPECT_EQ(items, row.after) << row.what;
    }
}

TEST(SetSelector, OpenProgramsFromTheForegroundWindowDown) {
    FakeWindowStack desktop;
    desktop.windows = {
        {1, "topmost.exe"},       // above the foreground window: not walked
        {2, "notepad.exe"},       // in front
        {3, "Flickmark.EXE"},     // our own window
        {4, "hidden.exe", false}, // not visible
        {5, "calc.exe"},
        {6, "notepad.exe"},  // a second window of a program already listed
        {7, ""},             // its process is gone
        {8, "[error]"},      // the process list could not be read
        {9, "Explorer.EXE"}, // the name is kept as the process list spells it
    };
    desktop.foreground = 2;
    EXPECT_EQ(openProgramNames(desktop, desktop), (Strings{"notepad.exe", "calc.exe", "Explorer.EXE"}));

    desktop.foreground = 0;
    EXPECT_EQ(openProgramNames(desktop, desktop), Strings{});
}

TEST(SetSelector, HintsNameTheFile) {
    EXPECT_EQ(setSelectorHint("Gestures.ini"), "Global Gestures  [Gestures.ini]");
    EXPECT_EQ(setSelectorHint("Gestures_calc.exe.ini"), "Program Specific Gestures  [Gestures_calc.exe.ini]");
    EXPECT_EQ(setSelectorHint("gestures.ini"), "Program Specific Gestures  [gestures.ini]");
}

class GesturesWindowModelTest : public ::testing::Test {
protected:
    std::string& file(const std::string& name) { return files.files[kTestDataFolder + name]; }
    bool exists(const std::string& name) const { return files.files.count(kTestDataFolder + name) != 0; }
    std::size_t itemOf(const GesturesWindowModel& model, const std::string& fileName) {
        for (std::size_t i = 0; i < model.selectorItems().size(); ++i)
            if (model.selectorItems()[i].fileName == fileName)
                return i;
        ADD_FAILURE() << fileName << " is not in the selector";
        return 0;
    }
    Strings gesturesIn(const std::string& name) { return IniDocument(file(name)).sectionNames(); }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    GestureLibraryStore store{files, codePage, log, kTestDataFolder};
};

TEST_F(GesturesWindowModelTest, RowsShowEachActionType) {
    file("Gestures.ini") = "[0]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n"
                           "[03]\r\nActionType=Keystroke\r\nAction=000000\r\n"
                           "[1]\r\nActionType=Multiple Keystrokes\r\nAction=100046ALT+F|000053S\r\n"
                           "[2]\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\app.exe|-x 1\r\n"
                           "[3]\r\nActionType=Run Program / File\r\nAction=notepad.exe|\r\n"
                           "[4]\r\nActionType=Macro\r\nAction=anything\r\n";
    const GesturesWindowModel model(store);
    const std::vector<GestureRow> expected = {
        {"0", "UP", "Keystroke", "CTRL+C"},
        {"03", "UP+RIGHT", "Keystroke", ""},
        {"1", "DOWN", "Multiple Keystrokes", "ALT+F | S"},
        {"2", "LEFT", "Run Program or File", "C:\\Tools\\app.exe | -x 1"},
        {"3", "RIGHT", "Run Program or File", "notepad.exe | "},
        {"4", "NE", "Macro", "anything"}, // as stored: this version cannot run it
    };
    EXPECT_EQ(model.rows(), expected);
}

// A new gesture from the suggestions menu shows the set of the program in front, whose file may not exist
// yet or be spelt otherwise, or the global set; an edited set is saved first.
TEST_F(GesturesWindowModelTest, TheSetOfAProgramIsShownForANewGestureWhetherItsFileExistsOrNot) {
    file("Gestures.ini") = "[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n";
    file("gestures_NOTEPAD.EXE.ini") = "[1]\r\nActionType=Keystroke\r\nAction=000044D\r\n";
    GesturesWindowModel model(store);
    model.refreshSelector({});
    const struct {
        std::string program;
        std::string shownFile;
        Strings rows;
    } table[] = {
        {"notepad.exe", "gestures_NOTEPAD.EXE.ini", {"1"}},
        {"calc.exe", "Gestures_calc.exe.ini", {}},
        {"", "Gestures.ini", {"0"}},
        {"calc.exe", "Gestures_calc.exe.ini", {}},
    };
    for (const auto& row : table) {
        model.selectSetOf(row.program);
        EXPECT_EQ(model.shownSet().fileName, row.shownFile) << row.program;
        EXPECT_EQ(model.selectorItems()[model.selectedItem()].fileName, row.shownFile) << row.program;
        Strings rows;
        for (const GestureRow& r : model.rows())
            rows.push_back(r.gesture);
        EXPECT_EQ(rows, row.rows) << row.program;
    }
    EXPECT_EQ(model.selectorItems().size(), 3u) << "calc.exe's item is added once";
    EXPECT_FALSE(exists("Gestures_calc.exe.ini")) << "a set that was only shown gets no file";

    model.selectSetOf("");
    model.removeRow(0);
    model.selectSetOf("notepad.exe");
    EXPECT_EQ(gesturesIn("Gestures.ini"), Strings{}) << "the edited set is saved before another is shown";
}

TEST_F(GesturesWindowModelTest, SetsThatWereNotEditedAreNeverWritten) {
    file("Gestures.ini") = "; mine\r\n[03]\r\nActionType=Keystroke\r\nAction=0100 43 odd\r\n";
    file("Gestures_a.exe.ini") = "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n";
    GesturesWindowModel model(store);
    model.refreshSelector({"a.exe", "calc.exe"});
    EXPECT_EQ(model.hint(), "Global Gestures  [Gestures.ini]");

    model.reload();
    EXPECT_TRUE(model.select(itemOf(model, "Gestures_a.exe.ini")).saved);
    EXPECT_EQ(model.hint(), "Program Specific Gestures  [Gestures_a.exe.ini]");
    EXPECT_EQ(model.shownSet().gestureStrings(), Strings{"12"});
    model.select(itemOf(model, "Gestures_calc.exe.ini")); // a program without a file: an empty list
    EXPECT_TRUE(model.rows().empty());
    model.select(0);
    EXPECT_TRUE(model.save().saved);
    model.saveForExit();

    EXPECT_EQ(files.writeCount, 0);
    EXPECT_FALSE(exists("Gestures_calc.exe.ini"));
}

TEST_F(GesturesWindowModelTest, ADeletedGestureLeavesItsFileWhenTheSetIsLeftKeepingEverythingElse) {
    file("Gestures_a.exe.ini") = "; notes\r\n\r\n[03]\r\nActionType=Keystroke\r\nAction=100041A\r\n"
                                 "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n"
                                 "[Options]\r\nColour=blue\r\n";
    file("Gestures_b.exe.ini") = "[2]\r\nActionType=Keystroke\r\nAction=100043C\r\n";
    const std::string other = file("Gestures_b.exe.ini");
    GesturesWindowModel model(store);
    model.refreshSelector({"a.exe", "b.exe"});
    model.select(itemOf(model, "Gestures_a.exe.ini"));

    model.removeRow(0);
    model.removeRow(5); // no such row
    EXPECT_EQ(model.rows().size(), 1u);
    store.loadLookupSet("Gestures_b.exe.ini"); // a gesture drawn over program b meanwhile
    EXPECT_EQ(files.writeCount, 0);            // nothing is written before the set is left
    EXPECT_TRUE(model.select(0).saved);

    EXPECT_EQ(gesturesIn("Gestures_a.exe.ini"), (Strings{"12", "Options"}));
    EXPECT_NE(file("Gestures_a.exe.ini").find("; notes"), std::string::npos);
    EXPECT_NE(file("Gestures_a.exe.ini").find("Colour=blue"), std::string::npos);
    EXPECT_EQ(file("Gestures_b.exe.ini"), other);
    EXPECT_EQ(files.writeCount, 1);

    // Every gesture deleted: the file stays, empty of gestures.
    model.select(itemOf(model, "Gestures_b.exe.ini"));
    model.removeRow(0);
    model.save();
    EXPECT_TRUE(exists("Gestures_b.exe.ini"));
    EXPECT_TRUE(gesturesIn("Gestures_b.exe.ini").empty());
}

TEST_F(GesturesWindowModelTest, GesturesFromTheEditorsAreAddedOrReplacedInPlace) {
    file("Gestures.ini") = "[0]\r\nActionType=Keystroke\r\nAction=100041A\r\n"
                           "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n; mine\r\nNote=kept\r\n"
                           "[2]\r\nActionType=Macro\r\nAction=anything\r\n";
    const std::string twelve = "12";
    const std::string left = "2";
    GesturesWindowModel model(store);

    // An action changed: the row keeps its place.
    EXPECT_EQ(model.storeGesture({"12", ActionType::MultipleKeystrokes, "100046ALT+F|000053S", std::nullopt},
                                 &twelve),
              1u);
    // Renamed: the new gesture takes the old one's place, with its other keys and comments.
    EXPECT_EQ(
        model.storeGesture({"47", ActionType::RunProgram, "C:\\My Tools\\a.exe|-x", std::nullopt}, &twelve),
        1u);
    // A gesture of a type the program does not know becomes a known one.
    EXPECT_EQ(model.storeGesture({"2", ActionType::Keystroke, "000009TAB", std::nullopt}, &left), 2u);
    // New: appended.
    EXPECT_EQ(model.storeGesture({"03", ActionType::Keystroke, "011053CTRL+SHIFT+S", std::nullopt}), 3u);
    EXPECT_TRUE(model.edited());

    const std::vector<GestureRow> expected = {
        {"0", "UP", "Keystroke", "A"},
        {"47", "NE+SW", "Run Program or File", "C:\\My Tools\\a.exe | -x"},
        {"2", "LEFT", "Keystroke", "TAB"},
        {"03", "UP+RIGHT", "Keystroke", "CTRL+SHIFT+S"},
    };
    EXPECT_EQ(model.rows(), expected);
    EXPECT_TRUE(model.save().saved);
    EXPECT_EQ(file("Gestures.ini"),
              "[0]\r\nActionType=Keystroke\r\nAction=100041A\r\n"
              "[47]\r\nActionType=Run Program / File\r\nAction=C:\\My Tools\\a.exe|-x\r\n"
              "; mine\r\nNote=kept\r\n"
              "[2]\r\nActionType=Keystroke\r\nAction=000009TAB\r\n"
              "[03]\r\nActionType=Keystroke\r\nAction=011053CTRL+SHIFT+S\r\n");
}

TEST_F(GesturesWindowModelTest, ARefusedSaveKeepsTheOldFileAndTheEditAndTellsTheUserOncePerFile) {
    file("Gestures.ini") = "[03]\r\nActionType=Keystroke\r\nAction=100041A\r\n"
                           "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n";
    const std::string before = file("Gestures.ini");
    GesturesWindowModel model(store);
    model.refreshSelector({"a.exe"});
    files.refuseWritesIn(kTestDataFolder);

    model.removeRow(0);
    const ShownSetSave first = model.select(1);
    EXPECT_FALSE(first.saved);
    EXPECT_EQ(first.warning.rfind(
                  "The gestures could not be saved to this file:\n\nC:\\Flickmark\\Gestures.ini\n\n", 0),
              0u)
        << first.warning;
    EXPECT_EQ(file("Gestures.ini"), before);
    EXPECT_EQ(store.global().gestureStrings(), Strings{"12"}); // in effect for lookups all the same

    // Chosen again, the set shows as edited; its next refusal is not told again.
    model.select(0);
    EXPECT_EQ(model.shownSet().gestureStrings(), Strings{"12"});
    EXPECT_TRUE(model.edited());
    const ShownSetSave second = model.save();
    EXPECT_FALSE(second.saved);
    EXPECT_EQ(second.warning, "");
    model.reload(); // the window shown again: the edit stays
    EXPECT_EQ(model.shownSet().gestureStrings(), Strings{"12"});

    // Once the folder can be written again, leaving the set saves it.
    files.allowWritesIn(kTestDataFolder);
    EXPECT_TRUE(model.select(1).saved);
    EXPECT_EQ(gesturesIn("Gestures.ini"), Strings{"12"});
}

TEST_F(GesturesWindowModelTest, AtExitEverySetKeptAfterARefusalIsSavedOnce) {
    file("Gestures.ini") = "[03]\r\nActionType=Keystroke\r\nAction=100041A\r\n";
    file("Gestures_a.exe.ini") = "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n";
    GesturesWindowModel model(store);
    model.refreshSelector({"a.exe"});
    files.refuseWritesIn(kTestDataFolder);
    model.removeRow(0);
    model.select(1); // refused: the global set is kept in memory
    model.removeRow(0);

    files.allowWritesIn(kTestDataFolder);
    model.saveForExit();
    EXPECT_TRUE(gesturesIn("Gestures.ini").empty());
    EXPECT_TRUE(gesturesIn("Gestures_a.exe.ini").empty());
    EXPECT_EQ(files.writeCount, 2);
    model.saveForExit();
    EXPECT_EQ(files.writeCount, 2);
}

TEST_F(GesturesWindowModelTest, AFileThatCouldNotBeReadIsNeverSavedOver) {
    file("Gestures_a.exe.ini") = "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n";
    files.makeUnreadable(kTestDataFolder + "Gestures_a.exe.ini");
    GesturesWindowModel model(store);
    model.refreshSelector({"a.exe"});
    model.select(1);
    EXPECT_TRUE(model.rows().empty());
    model.select(0);
    model.saveForExit();
    EXPECT_EQ(files.writeCount, 0);
    EXPECT_EQ(gesturesIn("Gestures_a.exe.ini"), Strings{"12"});
}

} // namespace
} // namespace flickmark
