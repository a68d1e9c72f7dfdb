#include "library/gestures_window_model.h"
#include "library/set_copy.h"

#include "fakes/fake_file_system.h"
#include "fakes/windows_1252_code_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;

TEST(SetCopy, TargetsAreTheGlobalSetAndEachProgramOnceButNotTheShownOne) {
    const Strings open{"chrome.exe", "probe.exe", "CHROME.EXE"};
    const Strings folder{"Gestures.ini", "gestures_PROBE.exe.ini", "Gestures_vlc.exe.ini",
                         "Gestures.ini.bak"};
    EXPECT_EQ(copyTargetChoices(open, folder, "Gestures.ini"),
              (Strings{"chrome.exe", "probe.exe", "vlc.exe"}));
    EXPECT_EQ(copyTargetChoices(open, folder, "Gestures_probe.exe.ini"),
              (Strings{"All programs", "chrome.exe", "vlc.exe"}));
}

TEST(SetCopy, WhatTheUserTypedNamesAGestureFileOrIsRefusedWithAReason) {
    const struct {
        const char* typed;
        const char* fileName; // empty: refused
        const char* refusalStart;
    } table[] = {
        {"chrome.exe", "Gestures_chrome.exe.ini", ""},
        {"  chrome  ", "Gestures_chrome.exe.ini", ""},
        {"\"C:\\Program Files\\Google\\chrome.exe\"", "Gestures_chrome.exe.ini", ""},
        {"all PROGRAMS", "Gestures.ini", ""},
        {"notepad++.exe", "Gestures_notepad++.exe.ini", ""},
        {"", "", "Choose a program"},
        {"a?.exe", "", "A program's file name cannot hold"},
        {"PROBE.EXE", "", "These are the gestures shown"},
    };
    for (const auto& row : table) {
        const CopyTarget target = copyTargetOf(row.typed, "Gestures_probe.exe.ini");
        EXPECT_EQ(target.fileName, row.fileName) << row.typed;
        EXPECT_TRUE(target.refusal.starts_with(row.refusalStart)) << row.typed << ": " << target.refusal;
        EXPECT_EQ(target.refusal.empty(), *row.refusalStart == '\0') << row.typed;
    }
}

class SetCopyModelTest : public ::testing::Test {
protected:
    std::string& file(const std::string& name) { return files.files[kTestDataFolder + name]; }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    GestureLibraryStore store{files, codePage, log, kTestDataFolder};
};

// The dialog's texts and ticks, and what the copy writes: Merge with the conflict left to the target, then
// a refused write that changes nothing.
TEST_F(SetCopyModelTest, TheViewSaysWhatTheCopyDoesAndARefusedWriteCopiesNothing) {
    file("Gestures.ini") = "[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n"
                           "[03]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n"
                           "[2]\r\nActionType=Window Command\r\nAction=Maximize\r\n";
    const std::string target = "; mine\r\n[03]\r\nActionType=Keystroke\r\nAction=000074F5\r\n"
                               "[1]\r\nActionType=Keystroke\r\nAction=000044D\r\n";
    file("Gestures_probe.exe.ini") = target;
    GesturesWindowModel model(store);
    GestureSet into = model.copyTarget("Gestures_probe.exe.ini");
    CopyPlanView view(
        planTransfer(model.shownSet(), model.shownSet().gestureStrings(), into, TransferScope::WholeSet),
        "All programs", "probe.exe", TransferScope::WholeSet);
    EXPECT_EQ(view.summary(),
              "Copying 3 gestures of the global set to probe.exe: 2 new, 0 the same, 1 different.");
    EXPECT_EQ(view.replaceCaption(),
              "Replace: probe.exe gets exactly the copied gestures, and its 1 other is removed");
    EXPECT_EQ(view.rows(), (std::vector<CopyPlanView::Row>{{"UP+RIGHT", "CTRL+C", "F5", false}}));
    view.setMode(TransferMode::Replace);
    EXPECT_FALSE(view.rowsEnabled());
    view.setMode(TransferMode::Merge);

    files.refuseWritesIn(kTestDataFolder);
    const CopyOutcome refused = model.storeCopy(into, view.plan(), view.mode(), view.takeSource());
    EXPECT_FALSE(refused.saved);
    EXPECT_TRUE(refused.message.starts_with("The gestures could not be saved to this file:\n\n"))
        << refused.message;
    EXPECT_TRUE(refused.message.ends_with("Gestures_probe.exe.ini\n\nNothing was copied."))
        << refused.message;
    EXPECT_EQ(file("Gestures_probe.exe.ini"), target);

    files.allowWritesIn(kTestDataFolder);
    const CopyOutcome copied = model.storeCopy(into, view.plan(), view.mode(), view.takeSource());
    EXPECT_TRUE(copied.saved);
    EXPECT_EQ(copied.changed, 2u);
    EXPECT_EQ(file("Gestures_probe.exe.ini"), target +
                                                  "[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n"
                                                  "[2]\r\nActionType=Window Command\r\nAction=Maximize\r\n");
    EXPECT_EQ(files.writeCount, 1) << "only the target is written";
}

} // namespace
} // namespace flickmark
