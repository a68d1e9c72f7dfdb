#include "gesture_sets/set_transfer.h"

#include "gesture_sets/gesture_files.h"

#include "fakes/fake_file_system.h"
#include "fakes/windows_1252_code_page.h"

#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;

class SetTransferTest : public ::testing::Test {
protected:
    GestureSet load(const std::string& name, const std::string& bytes) {
        files.files[kTestDataFolder + name] = bytes;
        return loadGestureSet(files, codePage, log, kTestDataFolder, name);
    }
    // The bytes the target's file holds after the plan is applied and the set saved.
    std::string saved(GestureSet& target, const TransferPlan& plan, TransferMode mode,
                      const std::vector<bool>& takeSource = {}) {
        applyTransfer(plan, mode, takeSource, target);
        EXPECT_TRUE(saveGestureSet(files, codePage, log, kTestDataFolder, target));
        return files.files[kTestDataFolder + target.fileName];
    }
    static Strings gesturesOf(const std::vector<StoredGesture>& stored) {
        Strings out;
        for (const StoredGesture& g : stored)
            out.push_back(g.gesture);
        return out;
    }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
};

// Source: UP (C), UP+RIGHT (Ctrl+C), DOWN (a macro of an unknown type), LEFT (a program).
const std::string kSource = "[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n"
                            "[03]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n"
                            "[1]\r\nActionType=Macro\r\nAction=anything\r\n"
                            "[2]\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\a.exe|-x\r\n";
// Target: UP the same, UP+RIGHT otherwise (with the user's comment), RIGHT its own.
const std::string kTarget = "; my browser\r\n\r\n"
                            "[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n"
                            "; copy\r\n[03]\r\nActionType=Keystroke\r\nAction=010043 my copy\r\n"
                            "[3]\r\nActionType=Window Command\r\nAction=maximize\r\n";

TEST_F(SetTransferTest, ThePlanSortsEachGestureByWhatTheTargetHas) {
    const GestureSet source = load("Gestures.ini", kSource);
    const GestureSet target = load("Gestures_b.exe.ini", kTarget);
    const struct {
        const char* what;
        Strings gestures;
        TransferScope scope;
        Strings added, identical, conflicts, removed;
    } table[] = {
        {"whole set", source.gestureStrings(), TransferScope::WholeSet, {"1", "2"}, {"0"}, {"03"}, {"3"}},
        {"chosen gestures never remove any", {"03", "2"}, TransferScope::Chosen, {"2"}, {}, {"03"}, {}},
        {"a gesture the source lacks or chosen twice travels once",
         {"2", "12", "2"},
         TransferScope::Chosen,
         {"2"},
         {},
         {},
         {}},
        {"a whole set of one gesture: the target's others go",
         {"0"},
         TransferScope::WholeSet,
         {},
         {"0"},
         {},
         {"03", "3"}},
    };
    for (const auto& row : table) {
        const TransferPlan plan = planTransfer(source, row.gestures, target, row.scope);
        EXPECT_EQ(gesturesOf(plan.added), row.added) << row.what;
        EXPECT_EQ(gesturesOf(plan.identical), row.identical) << row.what;
        Strings conflicts;
        for (const TransferConflict& c : plan.conflicts)
            conflicts.push_back(c.source.gesture);
        EXPECT_EQ(conflicts, row.conflicts) << row.what;
        EXPECT_EQ(gesturesOf(plan.removed), row.removed) << row.what;
    }
    // A conflict carries both stored forms, for the user to choose between; unknown types travel as stored.
    const TransferPlan plan = planTransfer(source, source.gestureStrings(), target, TransferScope::WholeSet);
    EXPECT_EQ(plan.conflicts[0],
              (TransferConflict{{"03", "Keystroke", "010043CTRL+C"}, {"03", "Keystroke", "010043 my copy"}}));
    EXPECT_EQ(plan.added[0], (StoredGesture{"1", "Macro", "anything"}));
}

// What each choice writes: the target's untouched lines, comments included, stay as they were; a conflict
// taken from the source changes only its own keys in place; added gestures follow at the end.
TEST_F(SetTransferTest, EachChoiceWritesOnlyTheLinesOfTheGesturesItChanges) {
    const std::string added = "[1]\r\nActionType=Macro\r\nAction=anything\r\n"
                              "[2]\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\a.exe|-x\r\n";
    const std::string theirs = "; copy\r\n[03]\r\nActionType=Keystroke\r\nAction=010043CTRL+C\r\n";
    const std::string mine = "; copy\r\n[03]\r\nActionType=Keystroke\r\nAction=010043 my copy\r\n";
    const std::string head = "; my browser\r\n\r\n[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n";
    const std::string right = "[3]\r\nActionType=Window Command\r\nAction=maximize\r\n";
    const struct {
        const char* what;
        TransferScope scope;
        TransferMode mode;
        std::vector<bool> takeSource;
        std::string bytes;
    } table[] = {
        {"merge keeping the target's",
         TransferScope::WholeSet,
         TransferMode::Merge,
         {false},
         head + mine + right + added},
        {"merge taking the source's",
         TransferScope::WholeSet,
         TransferMode::Merge,
         {true},
         head + theirs + right + added},
        {"replace a whole set", TransferScope::WholeSet, TransferMode::Replace, {}, head + theirs + added},
        {"replace with chosen gestures",
         TransferScope::Chosen,
         TransferMode::Replace,
         {},
         head + theirs + right + added},
    };
    const GestureSet source = load("Gestures.ini", kSource);
    for (const auto& row : table) {
        GestureSet target = load("Gestures_b.exe.ini", kTarget);
        const TransferPlan plan = planTransfer(source, source.gestureStrings(), target, row.scope);
        EXPECT_EQ(saved(target, plan, row.mode, row.takeSource), row.bytes) << row.what;
    }
}

// Nothing new: nothing changes and nothing is written. A target in another encoding stays in it.
TEST_F(SetTransferTest, ATargetKeepsItsEncodingAndAnIdenticalSetWritesNothing) {
    const GestureSet source = load("Gestures.ini", kSource);
    GestureSet same = load("Gestures_same.exe.ini", kSource);
    const TransferPlan nothing = planTransfer(source, source.gestureStrings(), same, TransferScope::WholeSet);
    EXPECT_EQ(applyTransfer(nothing, TransferMode::Replace, {}, same), 0u);
    const int writes = files.writeCount;
    EXPECT_TRUE(saveGestureSet(files, codePage, log, kTestDataFolder, same));
    EXPECT_EQ(files.writeCount, writes);

    GestureSet wide = load("Gestures_w.exe.ini", utf16Bytes(u"; \u0416\r\n[3]\r\nActionType=Keystroke\r\n"
                                                            u"Action=000044D\r\n"));
    const TransferPlan plan = planTransfer(source, {"2"}, wide, TransferScope::Chosen);
    EXPECT_EQ(saved(wide, plan, TransferMode::Merge),
              utf16Bytes(u"; \u0416\r\n[3]\r\nActionType=Keystroke\r\nAction=000044D\r\n"
                         u"[2]\r\nActionType=Run Program / File\r\nAction=C:\\Tools\\a.exe|-x\r\n"));
}

} // namespace
} // namespace flickmark
