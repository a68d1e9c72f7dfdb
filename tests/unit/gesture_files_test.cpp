#include "gesture_sets/gesture_files.h"
#include "gesture_sets/gesture_library_store.h"

#include "base/direction.h"
#include "fakes/fake_file_system.h"
#include "fakes/windows_1252_code_page.h"
#include "platform/wildcard.h"
#include "settings/ini_document.h"

#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;

class GestureFilesTest : public ::testing::Test {
protected:
    GestureSet load(const std::string& name) {
        return loadGestureSet(files, codePage, log, kTestDataFolder, name);
    }
    bool save(const GestureSet& set) { return saveGestureSet(files, codePage, log, kTestDataFolder, set); }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
};

TEST(GestureFileNames, ProgramFilesAndActionTypes) {
    EXPECT_EQ(programFileName("notepad.exe"), "Gestures_notepad.exe.ini");
    EXPECT_EQ(programFileName(""), "Gestures_.ini");
    EXPECT_TRUE(isGlobalGestureFile("Gestures.ini"));
    EXPECT_FALSE(isGlobalGestureFile("gestures.ini"));

    for (ActionType type : {ActionType::Keystroke, ActionType::MultipleKeystrokes, ActionType::RunProgram,
                            ActionType::WindowCommand}) {
        EXPECT_EQ(actionTypeCode(actionTypeText(type)), type);
        EXPECT_TRUE(isKnownActionType(actionTypeText(type)));
    }
    EXPECT_EQ(actionTypeText(ActionType::RunProgram), "Run Program / File");
    EXPECT_EQ(actionTypeText(ActionType::WindowCommand), "Window Command");
    for (const char* unknown : {"keystroke", "Macro", "", " Keystroke", "window command"}) {
        EXPECT_EQ(actionTypeCode(unknown), ActionType::Keystroke) << unknown;
        EXPECT_FALSE(isKnownActionType(unknown)) << unknown;
    }
}

TEST(GestureFileNames, DisplayTextsOfActions) {
    EXPECT_EQ(actionDisplayText("Keystroke", "100046ALT+F"), "ALT+F");
    EXPECT_EQ(actionDisplayText("Keystroke", "000000"), "");
    // Stored without a display text (as an older version saved some keys): the flags and the key's name.
    EXPECT_EQ(actionDisplayText("Keystroke", "0000AD"), "VOLUME MUTE");
    EXPECT_EQ(actionDisplayText("Multiple Keystrokes", "01101B|000053S"), "CTRL+SHIFT+ESCAPE | S");
    EXPECT_EQ(actionDisplayText("Keystroke", "x"), "none");
    EXPECT_EQ(actionDisplayText("Multiple Keystrokes", "100046ALT+F|000053S"), "ALT+F | S");
    EXPECT_EQ(actionDisplayText("Run Program / File", "C:\\Tools\\app.exe|"), "C:\\Tools\\app.exe | ");
    EXPECT_EQ(actionDisplayText("Run Program / File", "notepad.exe| C:\\a.txt"), "notepad.exe | C:\\a.txt");
    EXPECT_EQ(actionDisplayText("Macro", "anything"), "");
    // A window command shows its name as this version spells it; an unknown one as stored.
    EXPECT_EQ(actionDisplayText("Window Command", "play / PAUSE"), "Play / Pause");
    EXPECT_EQ(actionDisplayText("Window Command", "Shade"), "Shade");
    EXPECT_TRUE(isEditableAction("Window Command", "next monitor"));
    EXPECT_FALSE(isEditableAction("Window Command", "Shade"));
    EXPECT_TRUE(isEditableAction("Keystroke", "x"));
    EXPECT_FALSE(isEditableAction("Macro", "Maximize"));
}

// Window commands are read and written back byte for byte, whatever the case of their names, and a name
// this version does not know is kept.
TEST_F(GestureFilesTest, WindowCommandsRoundTripByteForByte) {
    const std::string text = "[2]\r\nActionType=Window Command\r\nAction=maximize\r\n"
                             "[3]\r\nActionType=Window Command\r\nAction=Play / Pause\r\n"
                             "[12]\r\nActionType=Window Command\r\nAction=Shade\r\n";
    files.files[kTestDataFolder + "Gestures.ini"] = text;
    GestureSet set = load("Gestures.ini");
    EXPECT_EQ(set.actions.value("2"), "maximize");
    EXPECT_EQ(set.types.value("12"), "Window Command");
    EXPECT_EQ(actionForLookups("Window Command", "maximize"), "maximize");
    set.storeGesture("30", "Window Command", "Next Monitor");
    ASSERT_TRUE(save(set));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"],
              text + "[30]\r\nActionType=Window Command\r\nAction=Next Monitor\r\n");
    set.removeGesture("30");
    ASSERT_TRUE(save(set));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"], text);
}

TEST(GestureFileNames, WildcardsMatchLikeTheFileSearch) {
    const struct {
        const char* name;
        const char* pattern;
        bool matches;
    } table[] = {
        {"Gestures_notepad.exe.ini", "Gesture*.ini", true},
        {"gestures.INI", "Gesture*.ini", true},
        {"Gesture.ini", "Gesture*.ini", true},
        {"Gestures.ini.bak", "Gesture*.ini", false},
        {"MyGestures.ini", "Gesture*.ini", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"aXbYbc", "a*b*c", true},
        {"", "*", true},
        {"\xCE\x95\xCE\xBB.ini", "??.ini", true}, // one '?' for each letter, whatever its length
        {"\xCE\x95.ini", "??.ini", false},
        {"\xE5\xB7\xA5\xE5\x85\xB7x", "*?x", true},
    };
    for (const auto& row : table)
        EXPECT_EQ(matchesWildcard(row.name, row.pattern), row.matches) << row.name << " " << row.pattern;
}

TEST_F(GestureFilesTest, LoadsSectionsInFileOrderWithNormalisedKeystrokes) {
    files.files[kTestDataFolder + "Gestures.ini"] =
        "[03]\r\nActionType=Keystroke\r\nAction=000000\r\n"
        "[12]\r\nActionType=Multiple Keystrokes\r\nAction=100046ALT+F|000053S\r\n"
        "[2]\r\nActionType=Keystroke\r\nAction=12345\r\n"
        "[4]\r\nActionType=Run Program / File\r\nAction=C:\\x.exe|\r\n"
        "[03]\r\nActionType=Keystroke\r\nAction=100073\r\n";
    const GestureSet set = load("Gestures.ini");
    EXPECT_EQ(set.fileName, "Gestures.ini");
    EXPECT_EQ(set.gestureStrings(), (Strings{"03", "12", "2", "4"})); // the repeated [03] is read once
    EXPECT_EQ(set.names.value("UP+RIGHT"), "03");
    EXPECT_EQ(set.types.value("12"), "Multiple Keystrokes");
    EXPECT_EQ(set.actions.value("03"), "000000"); // the first [03]
    EXPECT_EQ(set.actions.value("12"), "100046ALT+F|000053S");
    EXPECT_EQ(set.actions.value("2"), "000000none"); // five characters or fewer: the empty keystroke
    EXPECT_EQ(set.actions.value("4"), "C:\\x.exe|");
    EXPECT_TRUE(set.hasGesture("4"));
    EXPECT_FALSE(set.hasGesture("5"));
}

TEST_F(GestureFilesTest, MissingFileLoadsAsAnEmptySetAndEmptySetsCreateNoFile) {
    GestureSet set = load("Gestures_app.exe.ini");
    EXPECT_TRUE(set.names.empty());
    EXPECT_TRUE(save(set));
    EXPECT_TRUE(files.files.empty());
}

TEST_F(GestureFilesTest, SavingWritesTheSetInListOrderAndRoundTripsByteForByte) {
    GestureSet set;
    set.fileName = "Gestures_notepad.exe.ini";
    set.storeGesture("03", "Keystroke", "000000");
    set.storeGesture("12", "Run Program / File", "\"C:\\Program Files\\app.exe\"|\"my file.txt\"");
    ASSERT_TRUE(save(set));
    const std::string& text = files.files[kTestDataFolder + set.fileName];
    EXPECT_EQ(text, "[03]\r\nActionType=Keystroke\r\nAction=000000\r\n"
                    "[12]\r\nActionType=Run Program / File\r\n"
                    "Action=\"\"C:\\Program Files\\app.exe\"|\"my file.txt\"\"\r\n");

    const GestureSet reloaded = load(set.fileName);
    EXPECT_EQ(reloaded.names, set.names);
    EXPECT_EQ(reloaded.types, set.types);
    EXPECT_EQ(reloaded.actions, set.actions);
    ASSERT_TRUE(save(reloaded));
    EXPECT_EQ(files.files[kTestDataFolder + set.fileName], text);
}

TEST_F(GestureFilesTest, FileSavedAsUtf16IsSavedBackAsUtf16WithTheCharactersOfItsActions) {
    files.files[kTestDataFolder + "Gestures.ini"] =
        utf16Bytes(u"; \u0416\r\n\r\n"
                   u"[03]\r\nActionType=Run Program / File\r\nAction=C:\\\u0416\\x.exe|\r\n"
                   u"[12]\r\nActionType=Run Program / File\r\nAction = C:\\\u0414\\x.exe|\r\n");
    GestureSet set = load("Gestures.ini");
    EXPECT_EQ(set.actions.value("12"), "C:\\\xD0\x94\\x.exe|");
    set.removeGesture("03");
    set.storeGesture("2", "Keystroke", "000000");
    ASSERT_TRUE(save(set));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"],
              utf16Bytes(u"; \u0416\r\n\r\n"
                         u"[12]\r\nActionType=Run Program / File\r\nAction = C:\\\u0414\\x.exe|\r\n"
                         u"[2]\r\nActionType=Keystroke\r\nAction=000000\r\n"));
}

// A program path goes into the file so that it reads back the same: a file in the code page stays so while
// the code page holds the path, and becomes UTF-8 with a mark when it does not. Saved again unchanged, the
// file is not written.
TEST_F(GestureFilesTest, AProgramPathReadsBackTheSameWhateverItsLetters) {
    const std::string ansiFile = "; caf\xE9\r\n[03]\r\nActionType=Keystroke\r\nAction=000000\r\n";
    const std::string asUtf8 =
        "\xEF\xBB\xBF; caf\xC3\xA9\r\n[03]\r\nActionType=Keystroke\r\nAction=000000\r\n";
    const std::string added = "[12]\r\nActionType=Run Program / File\r\nAction=";
    const struct {
        std::string action;
        std::string expected; // the file after the save
    } table[] = {
        {"C:\\Tools\\app.exe|-x", ansiFile + added + "C:\\Tools\\app.exe|-x\r\n"},
        {"C:\\Users\\Zo\xC3\xAB\\app.exe|", ansiFile + added + "C:\\Users\\Zo\xEB\\app.exe|\r\n"},
        {"C:\\Users\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\\app.exe|", // Ελένη
         asUtf8 + added + "C:\\Users\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\\app.exe|\r\n"},
        {"\"D:\\\xE5\xB7\xA5\xE5\x85\xB7\\probe dir\\t.exe\"|\xE6\x97\xA5\xE5\xBF\x97.log", // 工具, 日志
         asUtf8 + added +
             "\"D:\\\xE5\xB7\xA5\xE5\x85\xB7\\probe dir\\t.exe\"|\xE6\x97\xA5\xE5\xBF\x97.log\r\n"},
    };
    for (const auto& row : table) {
        files.files[kTestDataFolder + "Gestures.ini"] = ansiFile;
        GestureSet set = load("Gestures.ini");
        set.storeGesture("12", "Run Program / File", row.action);
        ASSERT_TRUE(save(set)) << row.action;
        EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"], row.expected) << row.action;

        const GestureSet reloaded = load("Gestures.ini");
        EXPECT_EQ(reloaded.storedAction("12"), row.action);
        EXPECT_EQ(reloaded.actions, set.actions) << row.action;
        const int writes = files.writeCount;
        EXPECT_TRUE(save(reloaded));
        EXPECT_EQ(files.writeCount, writes) << row.action;
    }
}

TEST_F(GestureFilesTest, NothingAUserStoredIsLostBySaving) {
    const std::string longAction = "100041A|" + std::string(3000, 'x');
    const std::string text = "; my gestures\r\n"
                             "[Notes]\r\nfirst=remember this\r\n\r\n"
                             "[03]\r\nActionType=Keystroke\r\nAction=100046ALT+F\r\nComment=mine\r\n"
                             "[12]\r\nActionType=Macro\r\nAction=do something\r\n"
                             "[01]\r\nActionType=Multiple Keystrokes\r\nAction=" +
                             longAction + "\r\n[zz top]\r\nk=v\r\n";
    files.files[kTestDataFolder + "Gestures.ini"] = text;
    GestureSet set = load("Gestures.ini");
    EXPECT_EQ(set.gestureStrings(), (Strings{"03", "12", "01"}));
    EXPECT_FALSE(set.actions.contains("12")); // lookups never run an unknown type
    EXPECT_EQ(set.storedAction("12"), "do something");
    EXPECT_EQ(set.actions.value("01"), longAction);

    set.storeGesture("2", "Keystroke", "000000"); // the window adds a gesture
    ASSERT_TRUE(save(set));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"],
              text + "[2]\r\nActionType=Keystroke\r\nAction=000000\r\n");
}

// A file laid out by hand: a comment above the first gesture, blank lines inside a section, another
// section in the middle, a gesture that appears twice, and a comment above the last header.
const std::string handLaidFile = "; my gestures\r\n"
                                 "\r\n"
                                 "; copy\r\n"
                                 "[03]\r\n"
                                 "ActionType=Keystroke\r\n"
                                 "\r\n"
                                 "Action = 010043CTRL+C\r\n"
                                 "\r\n"
                                 "[Options]\r\n"
                                 "Colour=blue\r\n"
                                 "; the second one is never read\r\n"
                                 "[1]\r\n"
                                 "ActionType=Run Program / File\r\n"
                                 "Action=notepad.exe\r\n"
                                 "; paste\r\n"
                                 "[2]\r\n"
                                 "ActionType=Keystroke\r\n"
                                 "Action=010056CTRL+V\r\n"
                                 "[1]\r\n"
                                 "ActionType=Macro\r\n"
                                 "Action=old\r\n";

TEST_F(GestureFilesTest, SavesChangeOnlyTheLinesOfTheGesturesThatChanged) {
    const auto without = [](std::string text, const std::string& lines) {
        const std::size_t at = text.find(lines);
        EXPECT_NE(at, std::string::npos) << lines;
        return at == std::string::npos ? text : text.erase(at, lines.size());
    };
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    const struct {
        const char* what;
        std::function<void(GestureSet&)> edit;
        std::string expected;
    } table[] = {
        {"a changed action rewrites its value only, keeping the blanks around '='",
         [](GestureSet& set) { set.storeGesture("03", "Keystroke", "010058CTRL+X"); },
         replaced(handLaidFile, "Action = 010043CTRL+C", "Action = 010058CTRL+X")},
        {"an action stored again as it is changes nothing",
         [](GestureSet& set) { set.storeGesture("1", "Run Program / File", "notepad.exe"); }, handLaidFile},
        {"a changed type rewrites its line only",
         [](GestureSet& set) { set.storeGesture("2", "Multiple Keystrokes", "010056CTRL+V"); },
         replaced(handLaidFile, "ActionType=Keystroke\r\nAction=010056",
                  "ActionType=Multiple Keystrokes\r\nAction=010056")},
        {"a renamed gesture changes its header only", [](GestureSet& set) { set.renameGesture("03", "30"); },
         replaced(handLaidFile, "[03]", "[30]")},
        {"a renamed gesture that appears twice renames both, the first one still counting",
         [](GestureSet& set) { set.renameGesture("1", "12"); },
         replaced(replaced(handLaidFile, "[1]\r\nActionType=Run", "[12]\r\nActionType=Run"),
                  "[1]\r\nActionType=Macro", "[12]\r\nActionType=Macro")},
        {"a deleted gesture takes its comment and its blank lines up to its last key, not the blank after it",
         [](GestureSet& set) { set.removeGesture("03"); },
         without(handLaidFile, "; copy\r\n[03]\r\nActionType=Keystroke\r\n\r\nAction = 010043CTRL+C\r\n")},
        {"a deleted gesture leaves the comment above the next header",
         [](GestureSet& set) { set.removeGesture("2"); },
         without(handLaidFile, "; paste\r\n[2]\r\nActionType=Keystroke\r\nAction=010056CTRL+V\r\n")},
        {"a deleted gesture that appears twice goes with both sections and their comments",
         [](GestureSet& set) { set.removeGesture("1"); },
         without(without(handLaidFile, "; the second one is never read\r\n[1]\r\nActionType=Run Program / "
                                       "File\r\nAction=notepad.exe\r\n"),
                 "[1]\r\nActionType=Macro\r\nAction=old\r\n")},
        {"a new gesture goes at the end",
         [](GestureSet& set) { set.storeGesture("0", "Multiple Keystrokes", ""); },
         handLaidFile + "[0]\r\nActionType=Multiple Keystrokes\r\nAction=\r\n"},
    };
    for (const auto& row : table) {
        files.files[kTestDataFolder + "Gestures.ini"] = handLaidFile;
        GestureSet set = load("Gestures.ini");
        row.edit(set);
        ASSERT_TRUE(save(set)) << row.what;
        EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"], row.expected) << row.what;
        // Read again, the file gives the set as it was left.
        const GestureSet reloaded = load("Gestures.ini");
        EXPECT_EQ(reloaded.names, set.names) << row.what;
        EXPECT_EQ(reloaded.types, set.types) << row.what;
        EXPECT_EQ(reloaded.actions, set.actions) << row.what;
    }
    files.files[kTestDataFolder + "Gestures.ini"] = handLaidFile;
    const GestureSet set = load("Gestures.ini");
    EXPECT_EQ(set.gestureStrings(), (Strings{"03", "1", "2"}));
    EXPECT_EQ(set.types.value("1"), "Run Program / File"); // the first [1] counts
}

TEST_F(GestureFilesTest, LinesOfOtherEncodingsKeepTheirCharactersThroughRenamesAndDeletions) {
    files.files[kTestDataFolder + "Gestures.ini"] =
        utf16Bytes(u"[1]\r\nActionType=Run Program / File\r\nAction=C:\\\u0416\\x.exe|\r\n"
                   u"[2]\r\nActionType=Run Program / File\r\nAction=C:\\\u0414\\x.exe|\r\n");
    GestureSet set = load("Gestures.ini");
    set.removeGesture("1");
    set.renameGesture("2", "1"); // its line must not take the bytes of the deleted [1]
    ASSERT_TRUE(save(set));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures.ini"],
              utf16Bytes(u"[1]\r\nActionType=Run Program / File\r\nAction=C:\\\u0414\\x.exe|\r\n"));
}

TEST_F(GestureFilesTest, ASaveThatChangesNoByteWritesNothing) {
    files.files[kTestDataFolder + "Gestures.ini"] = handLaidFile;
    GestureSet set = load("Gestures.ini");
    set.storeGesture("03", "Keystroke", "010058CTRL+X");
    set.storeGesture("03", "Keystroke", "010043CTRL+C");
    EXPECT_TRUE(save(set));
    EXPECT_EQ(files.writeCount, 0);
}

TEST_F(GestureFilesTest, DeletedGesturesLeaveWithEverythingKeptForThem) {
    files.files[kTestDataFolder + "Gestures_a.exe.ini"] =
        "[03]\r\nActionType=Macro\r\nAction=x\r\nNote=n\r\n";
    GestureSet set = load("Gestures_a.exe.ini");
    set.removeGesture("03");
    ASSERT_TRUE(save(set));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures_a.exe.ini"],
              ""); // every gesture deleted: an empty file
}

TEST_F(GestureFilesTest, MalformedKeystrokeIsKeptAsReadAndLogged) {
    files.files[kTestDataFolder + "Gestures.ini"] = "[03]\r\nActionType=Keystroke\r\nAction=x00046ALT+F\r\n"
                                                    "[1]\r\nActionType=Keystroke\r\nAction=000053S\r\n";
    const GestureSet set = load("Gestures.ini");
    EXPECT_EQ(set.actions.value("03"), "x00046ALT+F");
    EXPECT_EQ(set.actions.value("1"), "000053S");
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0], "Malformed keystroke in C:\\Flickmark\\Gestures.ini [03]: x00046ALT+F");
    ASSERT_TRUE(save(set));
    EXPECT_EQ(IniDocument(files.files[kTestDataFolder + "Gestures.ini"]).find("03", "Action"), "x00046ALT+F");
}

TEST_F(GestureFilesTest, ManySectionsAreAllRead) {
    // Length-5 gesture strings: 3000 of them make a section list of 18 000 characters.
    std::string text;
    Strings expected;
    for (int n = 0; expected.size() < 3000; ++n) {
        std::string gesture;
        for (int v = n, i = 0; i < 5; ++i, v /= 8)
            gesture += static_cast<char>('0' + v % 8);
        if (!isGestureString(gesture))
            continue;
        expected.push_back(gesture);
        text += "[" + gesture + "]\nActionType=Keystroke\nAction=000053S\n";
    }
    files.files[kTestDataFolder + "Gestures.ini"] = text;
    EXPECT_EQ(load("Gestures.ini").gestureStrings(), expected);
}

TEST_F(GestureFilesTest, RefusedWriteKeepsTheOldFileAndIsLogged) {
    const std::string path = kTestDataFolder + "Gestures.ini";
    files.files[path] = "[03]\r\nActionType=Keystroke\r\nAction=000000\r\n";
    GestureSet set = load("Gestures.ini");
    set.storeGesture("1", "Keystroke", "000000");
    files.refuseWritesIn(kTestDataFolder);
    EXPECT_FALSE(save(set));
    EXPECT_EQ(files.files[path], "[03]\r\nActionType=Keystroke\r\nAction=000000\r\n");
    EXPECT_EQ(log.lines().back(), "Unable to write to " + path);
    EXPECT_TRUE(set.hasGesture("1"));
}

TEST_F(GestureFilesTest, FileThatCannotBeReadIsNeverReplaced) {
    const std::string path = kTestDataFolder + "Gestures.ini";
    files.files[path] = "[03]\r\nActionType=Keystroke\r\nAction=000000\r\n";
    files.makeUnreadable(path);
    GestureSet set = load("Gestures.ini");
    EXPECT_TRUE(set.fileUnreadable);
    set.storeGesture("1", "Keystroke", "000000");
    EXPECT_FALSE(save(set));
    EXPECT_EQ(files.writeCount, 0);
}

TEST_F(GestureFilesTest, ListsGestureFilesButNotFolders) {
    files.files[kTestDataFolder + "Gestures.ini"] = "";
    files.files[kTestDataFolder + "gestures_notepad.exe.ini"] = "";
    files.files[kTestDataFolder + "defaults.ini"] = "";
    files.files[kTestDataFolder + "sub\\Gestures_x.ini"] = "";
    files.addFolder(kTestDataFolder + "Gestures_folder.ini");
    EXPECT_EQ(listProgramFiles(files, kTestDataFolder),
              (Strings{"Gestures.ini", "gestures_notepad.exe.ini"}));
}

class GestureLibraryStoreTest : public GestureFilesTest {
protected:
    GestureLibraryStore store{files, codePage, log, kTestDataFolder};
};

TEST_F(GestureLibraryStoreTest, LookupsNeverChangeTheSetTheWindowSaves) {
    files.files[kTestDataFolder + "Gestures_a.exe.ini"] =
        "[03]\r\nActionType=Keystroke\r\nAction=100041A\r\n";
    files.files[kTestDataFolder + "Gestures_b.exe.ini"] =
        "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n";
    store.loadShownSet("Gestures_a.exe.ini");
    store.loadLookupSet("Gestures_b.exe.ini"); // a gesture drawn over program b while the window shows a
    store.shownSet().storeGesture("1", "Keystroke", "000000");
    ASSERT_TRUE(store.saveShownSet());

    EXPECT_EQ(IniDocument(files.files[kTestDataFolder + "Gestures_a.exe.ini"]).sectionNames(),
              (Strings{"03", "1"}));
    EXPECT_EQ(files.files[kTestDataFolder + "Gestures_b.exe.ini"],
              "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n");
    EXPECT_EQ(store.lookupSet().gestureStrings(), (Strings{"12"}));
}

TEST_F(GestureLibraryStoreTest, EveryLookupSeesTheProgramFileAsItIsNow) {
    const std::string path = kTestDataFolder + "Gestures_a.exe.ini";
    files.files[path] = "[03]\r\nActionType=Keystroke\r\nAction=100041A\r\n";
    EXPECT_EQ(store.loadLookupSet("Gestures_a.exe.ini").gestureStrings(), (Strings{"03"}));
    EXPECT_EQ(store.loadLookupSet("Gestures_a.exe.ini").gestureStrings(), (Strings{"03"}));

    files.files[path] += "[12]\r\nActionType=Keystroke\r\nAction=100042B\r\n"; // edited by hand
    EXPECT_EQ(store.loadLookupSet("Gestures_a.exe.ini").gestureStrings(), (Strings{"03", "12"}));

    store.loadShownSet("Gestures_a.exe.ini"); // the gestures window deletes one and saves
    store.shownSet().removeGesture("03");
    ASSERT_TRUE(store.saveShownSet());
    EXPECT_EQ(store.loadLookupSet("Gestures_a.exe.ini").gestureStrings(), (Strings{"12"}));

    files.files.erase(path);
    EXPECT_TRUE(store.loadLookupSet("Gestures_a.exe.ini").names.empty());
    files.files[kTestDataFolder + "Gestures_b.exe.ini"] = files.files[kTestDataFolder + "Gestures.ini"] = "";
    EXPECT_EQ(store.loadLookupSet("Gestures_b.exe.ini").fileName, "Gestures_b.exe.ini");
}

TEST_F(GestureLibraryStoreTest, TheGlobalCopyFollowsLoadsAndSavesOfTheGlobalFileOnly) {
    files.files[kTestDataFolder + "Gestures.ini"] = "[03]\r\nActionType=Keystroke\r\nAction=100041A\r\n";
    store.loadShownSet("Gestures.ini");
    EXPECT_EQ(store.global().gestureStrings(), (Strings{"03"}));

    store.shownSet().storeGesture("1", "Keystroke", "000000");
    EXPECT_EQ(store.global().gestureStrings(), (Strings{"03"})); // unsaved edits are not global yet
    files.refuseWritesIn(kTestDataFolder);
    EXPECT_FALSE(store.saveShownSet());
    EXPECT_EQ(store.global().gestureStrings(), (Strings{"03", "1"})); // in effect even though not written
    files.allowWritesIn(kTestDataFolder);

    files.files[kTestDataFolder + "gestures.ini"] = "[2]\r\nActionType=Keystroke\r\nAction=100041A\r\n";
    store.loadShownSet("gestures.ini"); // another spelling is not the global file
    EXPECT_EQ(store.global().gestureStrings(), (Strings{"03", "1"}));

    files.files.erase(kTestDataFolder + "Gestures.ini");
    store.loadShownSet("Gestures.ini");
    EXPECT_TRUE(store.global().names.empty());
}

} // namespace
} // namespace flickmark
