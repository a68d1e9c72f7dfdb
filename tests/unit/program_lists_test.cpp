// The program lists: what a line names, which windows it matches, and edits that change one line of the
// user's file and keep every other byte.
#include "settings/program_lists.h"
#include "settings/programs_page.h"

#include "fakes/fake_file_system.h"
#include "fakes/windows_1252_code_page.h"
#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace flickmark {
namespace {

TEST(ProgramListEntryTest, ALineNamesAProgramAndMaybeAClassOrNothing) {
    const std::optional<ProgramListEntry> none;
    const struct {
        const char* line;
        std::optional<ProgramListEntry> entry;
    } table[] = {
        {"photoshop.exe", ProgramListEntry{"photoshop.exe", ""}},
        {"  Photoshop.EXE\t", ProgramListEntry{"Photoshop.EXE", ""}},
        {"mstsc.exe|TscShellContainerClass", ProgramListEntry{"mstsc.exe", "TscShellContainerClass"}},
        {"mstsc.exe | TscShellContainerClass ", ProgramListEntry{"mstsc.exe", "TscShellContainerClass"}},
        {"*|TscShellContainerClass", ProgramListEntry{"*", "TscShellContainerClass"}},
        {"game?.exe", ProgramListEntry{"game?.exe", ""}},
        {"name.exe|", ProgramListEntry{"name.exe", ""}},
        {"", none},
        {"   ", none},
        {"; a comment", none},
        {"  ;photoshop.exe", none},
        {"|Class", none},
        {"C:\\Games\\game.exe", none},
        {"games/game.exe", none},
        {"a.exe|b|c", none},
        {"\"game.exe\"", none},
    };
    for (const auto& row : table)
        EXPECT_EQ(parseProgramListEntry(row.line), row.entry) << row.line;
}

TEST(ProgramListEntryTest, MatchesTheProgramAndClassWithoutRegardToCaseWithPatterns) {
    const ProgramWindow remote{"mstsc.exe", "TscShellContainerClass"};
    const ProgramWindow remoteDialog{"mstsc.exe", "#32770"};
    const ProgramWindow desktop{"explorer.exe", "Progman"};
    const ProgramWindow unknown{"", "Progman"};
    const struct {
        const char* line;
        bool remote, remoteDialog, desktop, unknown;
    } table[] = {
        {"mstsc.exe", true, true, false, false},
        {"MSTSC.EXE", true, true, false, false},
        {"mstsc.exe|tscshellcontainerclass", true, false, false, false},
        {"*|TscShellContainerClass", true, false, false, false},
        {"*|Tsc*", true, false, false, false},
        {"m?tsc.exe", true, true, false, false},
        {"*.exe", true, true, true, false},
        {"explorer.exe|Progman", false, false, true, false},
        {"*|Progman", false, false, true, false},
        {"mstsc", false, false, false, false},
    };
    for (const auto& row : table) {
        const auto entry = parseProgramListEntry(row.line);
        ASSERT_TRUE(entry) << row.line;
        EXPECT_EQ(entry->matches(remote), row.remote) << row.line;
        EXPECT_EQ(entry->matches(remoteDialog), row.remoteDialog) << row.line;
        EXPECT_EQ(entry->matches(desktop), row.desktop) << row.line;
        EXPECT_EQ(entry->matches(unknown), row.unknown) << row.line << ": a window of no known program";
    }
}

TEST(ProgramListEntryTest, WhatTheUserTypedBecomesAnEntry) {
    const struct {
        const char* typed;
        const char* entry; // "" for none
    } table[] = {
        {"notepad", "notepad.exe"},
        {" notepad.exe ", "notepad.exe"},
        {"game*", "game*"},
        {"mstsc|TscShellContainerClass", "mstsc.exe|TscShellContainerClass"},
        {"tool.com", "tool.com"},
        {"", ""},
        {"C:\\Windows\\notepad.exe", ""},
    };
    for (const auto& row : table) {
        const auto entry = programListEntryFromTyped(row.typed);
        EXPECT_EQ(entry ? entry->text() : std::string(), row.entry) << row.typed;
    }
}

class ProgramListFileTest : public ::testing::Test {
protected:
    const std::string path = kTestDataFolder + "noright.ini";
    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;

    std::string onDisk() { return files.files.count(path) ? files.files[path] : std::string("<missing>"); }
};

TEST_F(ProgramListFileTest, AnAddedOrRemovedEntryChangesOneLineAndKeepsEveryOtherByte) {
    const ProgramListEntry game{"game.exe", ""};
    const struct {
        const char* what;
        std::string before;
        bool add;
        std::string after;
    } table[] = {
        {"added at the end", "; mine\r\n\r\nsolitaire.exe\r\n", true,
         "; mine\r\n\r\nsolitaire.exe\r\ngame.exe\r\n"},
        {"LF file stays LF", "a.exe\nb.exe\n", true, "a.exe\nb.exe\ngame.exe\n"},
        {"last line without a break", "a.exe", true, "a.exe\r\ngame.exe\r\n"},
        {"already there in other letters", "GAME.EXE\r\n", true, "GAME.EXE\r\n"},
        {"empty file", "", true, "game.exe\r\n"},
        {"removed with its break only", "; mine\r\ngame.exe\r\nb.exe\r\n", false, "; mine\r\nb.exe\r\n"},
        {"every line of it, any case and blanks", "Game.exe\n b.exe\n game.exe \n", false, " b.exe\n"},
        {"a comment naming it stays", ";game.exe\r\n", false, ";game.exe\r\n"},
        {"a class entry stays", "game.exe|Main\r\n", false, "game.exe|Main\r\n"},
        {"broken bytes of other lines stay", "\xFF\xFE\x00junk\x81\r\ngame.exe\r\n", false,
         "\xFF\xFE\x00junk\x81\r\n"},
    };
    for (const auto& row : table) {
        files.files[path] = row.before;
        ProgramListFile list(files, codePage, log, path);
        const bool changed = row.add ? list.add(game) : list.remove(game);
        EXPECT_EQ(changed, row.before != row.after) << row.what;
        EXPECT_EQ(onDisk(), row.after) << row.what;
        EXPECT_TRUE(list.saved()) << row.what;
    }
}

TEST_F(ProgramListFileTest, AFileKeepsItsEncoding) {
    files.files[path] = utf16Bytes(u"; \u0416\r\na.exe\r\n");
    ProgramListFile list(files, codePage, log, path);
    ASSERT_TRUE(list.add(ProgramListEntry{"b.exe", "Main"}));
    EXPECT_EQ(onDisk(), utf16Bytes(u"; \u0416\r\na.exe\r\nb.exe|Main\r\n"));

    files.files[path] = "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9.exe\r\n";
    ProgramListFile utf8(files, codePage, log, path);
    EXPECT_EQ(utf8.entries().front().program, "\xC3\xA9t\xC3\xA9.exe");
    ASSERT_TRUE(utf8.add(ProgramListEntry{"b.exe", ""}));
    EXPECT_EQ(onDisk(), "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9.exe\r\nb.exe\r\n");
}

TEST_F(ProgramListFileTest, FollowsEditsMadeToTheFileWhileItRuns) {
    files.files[path] = "a.exe\r\n";
    ProgramListFile list(files, codePage, log, path);
    files.files[path] = "; edited by hand\r\nb.exe\r\n";
    EXPECT_EQ(list.entries().size(), 1u) << "read again only when asked";
    list.refresh();
    ASSERT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(list.entries()[0].program, "b.exe");

    // A change starts from what is on disk, also without a refresh first.
    files.files[path] = "; edited by hand\r\nb.exe\r\nc.exe\r\n";
    ASSERT_TRUE(list.add(ProgramListEntry{"d.exe", ""}));
    EXPECT_EQ(onDisk(), "; edited by hand\r\nb.exe\r\nc.exe\r\nd.exe\r\n");

    files.files.erase(path);
    list.refresh();
    EXPECT_TRUE(list.empty()) << "a file removed by hand lists nothing";
}

TEST_F(ProgramListFileTest, ARefusedWriteLosesNothingAndIsWrittenLater) {
    files.files[path] = "; mine\r\n";
    ProgramListFile list(files, codePage, log, path);
    files.refuseWritesIn(kTestDataFolder);
    EXPECT_TRUE(list.add(ProgramListEntry{"game.exe", ""}));
    EXPECT_FALSE(list.saved());
    EXPECT_NE(list.match(ProgramWindow{"game.exe", "x"}), nullptr) << "in effect although not written";
    EXPECT_EQ(onDisk(), "; mine\r\n");
    EXPECT_EQ(log.lines().back(), "Unable to write to " + path + "; the change applies until Flickmark ends");

    // An edit by hand meanwhile is read, and the change is made again on top of it.
    files.files[path] = "; mine\r\nother.exe\r\n";
    list.refresh();
    EXPECT_EQ(list.entries().size(), 2u);
    files.allowWritesIn(kTestDataFolder);
    EXPECT_TRUE(list.saveAtExit());
    EXPECT_EQ(onDisk(), "; mine\r\nother.exe\r\ngame.exe\r\n");
    EXPECT_TRUE(list.saved());
}

TEST_F(ProgramListFileTest, AtExitAMissingFileIsCreatedEmptyAndAnUnreadableOneIsNeverWritten) {
    {
        ProgramListFile missing(files, codePage, log, path);
        EXPECT_TRUE(missing.saveAtExit());
        EXPECT_EQ(onDisk(), "");
    }
    {
        files.files[path] = "a.exe\nb.exe";
        const int writes = files.writeCount;
        ProgramListFile kept(files, codePage, log, path);
        EXPECT_TRUE(kept.saveAtExit());
        EXPECT_EQ(onDisk(), "a.exe\nb.exe") << "line ends and the cut-off last line as they were";
        EXPECT_EQ(files.writeCount, writes);
    }
    {
        files.makeUnreadable(path);
        ProgramListFile unreadable(files, codePage, log, path);
        EXPECT_TRUE(unreadable.add(ProgramListEntry{"c.exe", ""}));
        EXPECT_FALSE(unreadable.saveAtExit());
        EXPECT_EQ(onDisk(), "a.exe\nb.exe");
    }
}

TEST(ProgramListsTest, TheTrayAndMenusSwitchAProgramByItsPlainName) {
    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    files.files[kTestDataFolder + "noright.ini"] = "; mine\r\nGAME.EXE\r\ngame.exe|Main\r\ng*.exe|Other\r\n";
    ProgramLists lists(files, codePage, log, kTestDataFolder);
    const ProgramWindow game{"game.exe", "Main"};

    lists.setListed(ProgramListKind::GesturesOff, game, false);
    EXPECT_EQ(files.files[kTestDataFolder + "noright.ini"], "; mine\r\ng*.exe|Other\r\n");
    EXPECT_EQ(lists.list(ProgramListKind::GesturesOff).match(game), nullptr);

    lists.setListed(ProgramListKind::FlickmarkOff, game, true);
    EXPECT_EQ(files.files[kTestDataFolder + "disabled.ini"], "game.exe\r\n");

    // Taken off, a program still named by a pattern says so in the log.
    files.files[kTestDataFolder + "fullscreen.ini"] = "game.exe\r\ng*.exe\r\n";
    lists.refresh();
    lists.setListed(ProgramListKind::FullScreen, game, false);
    EXPECT_EQ(files.files[kTestDataFolder + "fullscreen.ini"], "g*.exe\r\n");
    EXPECT_EQ(log.lines().back(), "fullscreen.ini: game.exe is still listed by the line g*.exe");
}

TEST(ProgramsPageTest, RowsListByListAndAddingExplainsItself) {
    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    files.files[kTestDataFolder + "disabled.ini"] = "vm.exe\r\n";
    files.files[kTestDataFolder + "noright.ini"] = "; none yet\r\n";
    ProgramLists lists(files, codePage, log, kTestDataFolder);

    const struct {
        ProgramListKind list;
        const char* typed;
        AddProgramResult result;
        const char* message;
    } steps[] = {
        {ProgramListKind::GesturesOff, "cad", AddProgramResult::Added, "Added cad.exe (Gestures off)."},
        {ProgramListKind::GesturesOff, "CAD.exe", AddProgramResult::AlreadyListed,
         "CAD.exe is listed already."},
        {ProgramListKind::FullScreen, "player.exe", AddProgramResult::Added,
         "Added player.exe (Gestures in full screen)."},
        {ProgramListKind::FullScreen, "  ", AddProgramResult::NotAProgram,
         "Type a program's file name, such as game.exe."},
        {ProgramListKind::FullScreen, "C:\\x\\y.exe", AddProgramResult::NotAProgram,
         "Type a program's file name, such as game.exe."},
    };
    for (const auto& step : steps) {
        const AddProgramResult result = addProgram(lists, step.list, step.typed);
        EXPECT_EQ(result, step.result) << step.typed;
        EXPECT_EQ(addProgramMessage(result, step.typed, step.list), step.message) << step.typed;
    }
    const std::vector<ProgramRow> rows = programRows(lists);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].programText(), "cad.exe");
    EXPECT_EQ(rows[0].listText(), "Gestures off");
    EXPECT_EQ(rows[1].programText(), "vm.exe");
    EXPECT_EQ(rows[1].listText(), "Flickmark off");
    EXPECT_EQ(rows[2].programText(), "player.exe");
    EXPECT_EQ(files.files[kTestDataFolder + "noright.ini"], "; none yet\r\ncad.exe\r\n");

    EXPECT_TRUE(removeProgram(lists, rows[1]));
    EXPECT_EQ(files.files[kTestDataFolder + "disabled.ini"], "");

    files.refuseWritesIn(kTestDataFolder);
    EXPECT_EQ(addProgram(lists, ProgramListKind::GesturesOff, "x"), AddProgramResult::NotSaved);
    EXPECT_EQ(addProgramMessage(AddProgramResult::NotSaved, "x", ProgramListKind::GesturesOff),
              "Added x.exe until Flickmark ends: noright.ini could not be written.");

    EXPECT_EQ(sortedProgramNames({"b.exe", "A.exe", "a.EXE", "c.exe"}),
              (std::vector<std::string>{"A.exe", "b.exe", "c.exe"}));
}

} // namespace
} // namespace flickmark
