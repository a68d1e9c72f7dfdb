// Gestures opened in the editors and finished without a change, and gestures deleted, against gesture
// files laid out by hand: what the user did not change stays exactly as it was stored.
#include "editors/gesture_wizard.h"
#include "library/gestures_window_model.h"

#include "fakes/fake_file_system.h"
#include "fakes/windows_1252_code_page.h"
#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace flickmark {
namespace {

using Texts = std::vector<std::string>;

const std::string globalPath = kTestDataFolder + "Gestures.ini";
constexpr EditStart kEditStarts[] = {EditStart::Gesture, EditStart::Action};

class GestureEditRoundTrip : public ::testing::Test {
protected:
    // Opens a row with the editors, presses Next until Finish, presses Finish and stores what comes back,
    // as the gestures window does; returns the summary the wizard showed. An empty action (a program action
    // without a program, an empty keystroke or list) is refused on its page, and the user can only cancel:
    // nothing is stored, and nothing is returned.
    Texts finishUnchanged(GesturesWindowModel& model, std::size_t row, EditStart start) {
        const std::optional<GestureDefinition> current = model.definitionOfRow(row);
        if (!current) {
            ADD_FAILURE() << "no row " << row;
            return {};
        }
        wizard.startEdit(*current, start, model.shownSet().gestureStrings(), true);
        for (int pages = 0; !wizard.canFinish() && pages < 8; ++pages) {
            if (const auto refusal = wizard.next()) {
                const std::string& program = wizard.programEditor().program();
                if (wizard.page() == WizardPage::Program &&
                    program.find_first_not_of(" \t") == std::string::npos)
                    return {};
                if (wizard.page() == WizardPage::Keystroke && wizard.keystrokeEdit().fieldText().empty())
                    return {};
                if (wizard.page() == WizardPage::KeystrokeList &&
                    wizard.keystrokeListEditor().entries().empty())
                    return {};
                ADD_FAILURE() << current->gesture << ": " << *refusal;
            }
        }
        const std::optional<WizardResult> result = wizard.finish();
        if (!result) {
            ADD_FAILURE() << current->gesture << ": Finish did not end the wizard";
            return {};
        }
        EXPECT_EQ(result->definition, *current);
        EXPECT_FALSE(model.changes(result->definition, current->gesture)) << current->gesture;
        model.storeGesture(result->definition, &current->gesture);
        return wizard.summary();
    }

    FakeFileSystem files;
    Windows1252CodePage codePage;
    DiagnosticLog log;
    GestureLibraryStore store{files, codePage, log, kTestDataFolder};
    GestureWizard wizard;
};

TEST_F(GestureEditRoundTrip, AGestureFinishedUnchangedIsStoredAsItWasAndWritesNothing) {
    const struct {
        const char* section;
        GestureRow row;
        const char* summaryAction; // the summary's last line
    } table[] = {
        {"[0]\r\nActionType=Macro\r\nAction=anything\r\n", {"0", "UP", "Macro", "anything"}, "\tanything"},
        {"[1]\r\nActionType=Keystroke\r\nAction=Ctrl+S\r\n",
         {"1", "DOWN", "Keystroke", "Ctrl+S"},
         "\tCtrl+S"},
        {"[2]\r\nActionType=Keystroke\r\nAction=010053Save file\r\n",
         {"2", "LEFT", "Keystroke", "Save file"},
         "\tSave file"},
        {"[3]\r\nActionType=Keystroke\r\nAction=0000ADVolume Mute\r\n",
         {"3", "RIGHT", "Keystroke", "Volume Mute"},
         "\tVolume Mute"},
        {"[4]\r\nActionType=Run Program / File\r\nAction=notepad.exe\r\n",
         {"4", "NE", "Run Program or File", "notepad.exe | "},
         " "},
        {"[5]\r\nActionType=Multiple Keystrokes\r\nAction=0100bbCTRL+=||000009TAB\r\n",
         {"5", "NW", "Multiple Keystrokes", "CTRL+= | none | TAB"},
         " "},
        {"[6]\r\nActionType=Keystroke\r\n", {"6", "SE", "Keystroke", "none"}, "\tnone"},
        {"[7]\r\nAction=x\r\n", {"7", "SW", "", "x"}, "\tx"},
    };
    std::string text;
    std::vector<GestureRow> rows;
    for (const auto& row : table) {
        text += row.section;
        rows.push_back(row.row);
    }
    files.files[globalPath] = text;
    GesturesWindowModel model(store);
    ASSERT_EQ(model.rows(), rows);
    const GestureSet before = model.shownSet();
    for (std::size_t r = 0; r < std::size(table); ++r) {
        for (const EditStart start : kEditStarts) {
            const Texts summary = finishUnchanged(model, r, start);
            ASSERT_FALSE(summary.empty());
            EXPECT_EQ(summary.back(), table[r].summaryAction) << table[r].section;
        }
    }
    EXPECT_FALSE(model.edited());
    EXPECT_EQ(model.rows(), rows);
    EXPECT_TRUE(model.save().saved);
    EXPECT_EQ(files.writeCount, 0);
    EXPECT_EQ(files.files[globalPath], text);
    EXPECT_EQ(model.shownSet().actions, before.actions);
}

TEST_F(GestureEditRoundTrip, AnUnknownTypeIsReplacedWhollyWhenEditedIntoAnotherType) {
    const std::string macro = "[03]\r\n; mine\r\nActionType=Macro\r\nAction=anything\r\n";
    const struct {
        const char* what;
        std::function<void(GestureWizard&)> edit; // on the action type page
        const char* expected;
        const char* forLookups; // nothing for an unknown type
    } table[] = {
        {"into a list of keystrokes",
         [](GestureWizard& w) {
             w.selectActionType(ActionType::MultipleKeystrokes);
             w.keystrokeListEditor().add(KeystrokeData{0, 0, 0, 0, 0x74, "F5"});
         },
         "[03]\r\n; mine\r\nActionType=Multiple Keystrokes\r\nAction=000074F5\r\n", "000074F5"},
        {"into a keystroke",
         [](GestureWizard& w) {
             w.selectActionType(ActionType::Keystroke);
             w.next();
             w.keystrokeEdit().keyDown(0x74, {});
         },
         "[03]\r\n; mine\r\nActionType=Keystroke\r\nAction=000074F5\r\n", "000074F5"},
        {"into a program",
         [](GestureWizard& w) {
             w.selectActionType(ActionType::RunProgram);
             w.next();
             w.programEditor().setProgram("x.exe");
         },
         "[03]\r\n; mine\r\nActionType=Run Program / File\r\nAction=x.exe|\r\n", "x.exe|"},
        {"another type chosen, then the stored one kept after all",
         [](GestureWizard& w) {
             w.selectActionType(ActionType::RunProgram);
             w.keepStoredAction();
         },
         "[03]\r\n; mine\r\nActionType=Macro\r\nAction=anything\r\n", ""},
    };
    for (const auto& row : table) {
        files.files[globalPath] = macro;
        GesturesWindowModel model(store);
        const GestureDefinition current = *model.definitionOfRow(0);
        EXPECT_EQ(current.unknownType, "Macro");
        wizard.startEdit(current, EditStart::Action, {"03"}, false);
        ASSERT_EQ(wizard.page(), WizardPage::ActionType) << row.what;
        row.edit(wizard);
        while (!wizard.canFinish())
            ASSERT_EQ(wizard.next(), std::nullopt) << row.what;
        model.storeGesture(wizard.finish()->definition, &current.gesture);
        model.save();
        EXPECT_EQ(files.files[globalPath], row.expected) << row.what;
        EXPECT_EQ(store.global().actions.value("03"), row.forLookups) << row.what;
    }
}

TEST_F(GestureEditRoundTrip, AGestureOfAnUnknownTypeCanBeRenamedAndDeleted) {
    const std::string text = "[03]\r\nActionType=Macro\r\nAction=anything\r\n"
                             "[1]\r\nActionType=Keystroke\r\nAction=000074F5\r\n";
    files.files[globalPath] = text;
    GesturesWindowModel model(store);
    const GestureDefinition current = *model.definitionOfRow(0);
    wizard.startEdit(current, EditStart::Gesture, {"03", "1"}, false);
    wizard.gestureEditor().setGesture("30");
    while (!wizard.canFinish())
        ASSERT_EQ(wizard.next(), std::nullopt);
    model.storeGesture(wizard.finish()->definition, &current.gesture);
    model.save();
    EXPECT_EQ(files.files[globalPath], "[30]" + text.substr(4));
    EXPECT_EQ(model.rows()[0], (GestureRow{"30", "RIGHT+UP", "Macro", "anything"}));

    model.removeRow(0);
    model.save();
    EXPECT_EQ(files.files[globalPath], text.substr(text.find("[1]")));
}

// Gesture files as users lay them out, generated from a seed. Each file is a list of blocks; a block
// belongs to the gesture whose deletion takes it away, or to none.
struct Block {
    std::u16string text;
    std::string owner;
};

enum class Encoding { Ansi, Utf8, Utf16 };

struct GeneratedFile {
    std::vector<Block> blocks;
    Encoding encoding = Encoding::Ansi;
};

std::u16string widenAscii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

std::string utf8Bytes(std::u16string_view text) {
    std::string out = "\xEF\xBB\xBF";
    for (const char16_t c : text) { // no surrogates in these files
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class FileGenerator {
public:
    explicit FileGenerator(unsigned seed) : random_(seed) {}

    GeneratedFile next() {
        GeneratedFile file;
        file.encoding = pick<Encoding>({Encoding::Ansi, Encoding::Ansi, Encoding::Utf8, Encoding::Utf16});
        // A character the ANSI code page cannot hold, where the encoding can hold it.
        special_ = file.encoding == Encoding::Ansi ? u'\u00E9' : u'\u0416';
        nl_ = chance(4) ? u"\n" : u"\r\n";
        file.blocks.push_back(
            {pick<std::u16string>({u"", u"; my gestures" + nl_ + nl_, u"junk" + nl_ + nl_}), ""});
        const int sections = 2 + below(6);
        for (int s = 0; s < sections; ++s) {
            const bool last = s + 1 == sections;
            if (chance(5))
                addOtherSection(file, last);
            else
                addGesture(file, last);
        }
        // Now and then the last line has no line break.
        for (auto block = file.blocks.rbegin(); block != file.blocks.rend() && chance(3); ++block) {
            if (block->text.empty())
                continue;
            if (block->text.back() == u'\n')
                block->text.resize(block->text.size() - nl_.size());
            break;
        }
        return file;
    }

private:
    template <typename T> T pick(std::initializer_list<T> choices) {
        return *(choices.begin() + below(static_cast<int>(choices.size())));
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int oneIn) { return below(oneIn) == 0; }

    std::u16string line(std::u16string text) {
        for (char16_t& c : text)
            if (c == u'\u0416')
                c = special_;
        return text + nl_;
    }

    std::u16string attachedComments() {
        std::u16string text;
        for (int n = below(3); n > 0; --n)
            text += line(pick<std::u16string>({u"; about this one", u"# note \u0416", u"  ; indented"}));
        return text;
    }

    // Blank lines and comments after a section's last key; never a comment right above the next header.
    std::u16string trailer(bool last) {
        if (last && chance(3))
            return pick<std::u16string>({u"; the end", u"; the end" + nl_, nl_ + u"; the end"});
        return pick<std::u16string>({u"", u"", nl_, nl_ + u"; group \u0416" + nl_ + nl_});
    }

    void addOtherSection(GeneratedFile& file, bool last) {
        file.blocks.push_back({attachedComments(), ""});
        file.blocks.push_back({line(pick<std::u16string>({u"[Options]", u"[033]", u"[Notes \u0416]"})) +
                                   line(u"Colour=blue") + (chance(2) ? line(u"") + line(u"k=\u0416") : u""),
                               ""});
        file.blocks.push_back({trailer(last), ""});
    }

    void addGesture(GeneratedFile& file, bool last) {
        const std::string gesture = pick<std::string>({"0", "1", "03", "12", "30", "47", "21", "310"});
        std::u16string text = attachedComments();
        const std::u16string name = widenAscii(gesture);
        text +=
            line(pick<std::u16string>({u"[" + name + u"]", u"[ " + name + u" ]", u" [" + name + u"] ; x"}));

        // Its keys in any order, with blank lines and comments among them but not after the last one.
        std::vector<std::u16string> keys;
        const std::u16string type =
            pick<std::u16string>({u"Keystroke", u"Keystroke", u"Multiple Keystrokes", u"Run Program / File",
                                  u"Run Program / File", u"Macro", u"keystroke", u""});
        if (!chance(8))
            keys.push_back(pick<std::u16string>({u"ActionType=", u"ActionType = ", u"actiontype="}) + type);
        if (!chance(10))
            keys.push_back(pick<std::u16string>({u"Action=", u"Action = ", u"ACTION="}) +
                           quoted(action(type)));
        if (chance(5))
            keys.push_back(u"Note=mine");
        std::shuffle(keys.begin(), keys.end(), random_);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (k > 0 && chance(4))
                text += line(pick<std::u16string>({u"", u"; inner", u"  "}));
            text += line(keys[k]);
        }
        file.blocks.push_back({text, gesture});
        file.blocks.push_back({trailer(last), ""});
    }

    std::u16string quoted(std::u16string value) { return chance(8) ? u"\"" + value + u"\"" : value; }

    std::u16string action(std::u16string_view type) {
        if (type == u"Keystroke")
            return pick<std::u16string>({u"010053Save file", u"0000ADVolume Mute", u"Ctrl+S", u"010053CTRL+S",
                                         u"01005a", u"", u"12345", u"000000", u"100046ALT+\u0416"});
        if (type == u"Multiple Keystrokes")
            return pick<std::u16string>({u"100046ALT+F|000053S", u"100020ALT+SPACE| 00004EN",
                                         u"0100bbCTRL+=||000009TAB", u"000009TAB|bad piece|000053S",
                                         u"000053S|", u""});
        if (type == u"Run Program / File")
            return pick<std::u16string>({u"notepad.exe", u"notepad.exe|", u"  app.exe",
                                         u"C:\\My Tools\\t.exe|-x", u"C:\\\u0416\\x.exe|", u"", u"|-x"});
        return pick<std::u16string>({u"anything", u"", u"a|b"});
    }

    std::mt19937 random_;
    std::u16string nl_;
    char16_t special_ = u'\u0416';
};

std::string fileBytes(const GeneratedFile& file, const std::string& without, const TextCodePage& codePage) {
    std::u16string text;
    for (const Block& block : file.blocks)
        if (block.owner.empty() || block.owner != without)
            text += block.text;
    switch (file.encoding) {
    case Encoding::Ansi:
        return codePage.narrow(text);
    case Encoding::Utf8:
        return utf8Bytes(text);
    case Encoding::Utf16:
        break;
    }
    return utf16Bytes(text);
}

TEST_F(GestureEditRoundTrip, ManyFilesKeepEveryByteThroughUnchangedEditsAndDeletions) {
    FileGenerator generator(20240615);
    for (int n = 0; n < 300; ++n) {
        const GeneratedFile file = generator.next();
        const std::string bytes = fileBytes(file, {}, codePage);
        std::vector<std::string> gestures;
        for (const Block& block : file.blocks)
            if (!block.owner.empty() &&
                std::find(gestures.begin(), gestures.end(), block.owner) == gestures.end())
                gestures.push_back(block.owner);
        std::u16string text;
        for (const Block& block : file.blocks)
            text += block.text;
        SCOPED_TRACE("file " + std::to_string(n) + " in encoding " + std::to_string(int(file.encoding)) +
                     ":\n" + utf8Bytes(text).substr(3));

        files.files.clear();
        files.writeCount = 0;
        files.files[globalPath] = bytes;
        {
            GesturesWindowModel model(store);
            ASSERT_EQ(model.shownSet().gestureStrings(), gestures);
            const GestureSet before = model.shownSet();
            for (std::size_t row = 0; row < model.rows().size(); ++row)
                for (const EditStart start : kEditStarts)
                    finishUnchanged(model, row, start);
            const GestureSet& after = model.shownSet();
            EXPECT_EQ(after.names, before.names);
            EXPECT_EQ(after.types, before.types);
            EXPECT_EQ(after.actions, before.actions);
            EXPECT_EQ(after.document.text(), before.document.text());
            EXPECT_FALSE(model.edited());
            model.save();
            model.saveForExit();
            EXPECT_EQ(files.writeCount, 0);
        }

        for (const std::string& gesture : gestures) {
            files.files[globalPath] = bytes;
            GesturesWindowModel model(store);
            for (std::size_t row = 0; row < model.rows().size(); ++row)
                if (model.rows()[row].gesture == gesture)
                    model.removeRow(row);
            ASSERT_TRUE(model.save().saved);
            EXPECT_EQ(files.files[globalPath], fileBytes(file, gesture, codePage)) << "without " << gesture;
        }
    }
}

} // namespace
} // namespace flickmark
