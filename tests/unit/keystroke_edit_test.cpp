#include "editors/keystroke_edit.h"
#include "editors/keystroke_list_edit.h"

#include "base/virtual_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace flickmark {
namespace {

struct Press {
    std::uint16_t key;
    HeldModifiers held{};
};

constexpr HeldModifiers kAltHeld{.alt = true};
constexpr HeldModifiers kCtrlShiftHeld{.ctrl = true, .shift = true};

TEST(KeystrokeEdit, CapturesEveryKeyButTabWithStickyModifiers) {
    const struct {
        const char* what;
        std::vector<Press> presses;
        const char* field;
        const char* encoded;
    } table[] = {
        {"Shift alone", {{vk::Shift}}, "SHIFT", "001010SHIFT"},
        {"Caps Lock", {{0x14}}, "CAPS LOCK", "000014CAPS LOCK"},
        {"modifiers stay set", {{0x41, {.ctrl = true}}, {0x42}}, "CTRL+B", "010042CTRL+B"},
        {"Ctrl released before A", {{vk::Control}, {0x41}}, "CTRL+A", "010041CTRL+A"},
        {"right Windows key", {{vk::RightWin}}, "RIGHT WINKEY", "00015CRIGHT WINKEY"},
        {"held keys",
         {{vk::Shift, {.shift = true}}, {0x53, kCtrlShiftHeld}},
         "CTRL+SHIFT+S",
         "011053CTRL+SHIFT+S"},
        // Keys a dialog would otherwise take for itself.
        {"Enter", {{vk::Return}}, "ENTER", "00000DENTER"},
        {"Escape", {{vk::Escape}}, "ESCAPE", "00001BESCAPE"},
        {"Alt alone", {{vk::Menu, kAltHeld}}, "ALT", "100012ALT"},
        {"Alt+F4", {{vk::Menu, kAltHeld}, {0x73, kAltHeld}}, "ALT+F4", "100073ALT+F4"},
        {"F10", {{0x79}}, "F10", "000079F10"},
        {"Tab is left to the dialog", {{vk::Control}, {vk::Tab}}, "CTRL", "010011CTRL"},
    };
    for (const auto& row : table) {
        KeystrokeEdit edit;
        EXPECT_FALSE(edit.canSet());
        for (const Press& press : row.presses)
            EXPECT_EQ(edit.keyDown(press.key, press.held), press.key != vk::Tab) << row.what;
        EXPECT_EQ(edit.fieldText(), row.field) << row.what;
        EXPECT_EQ(edit.encoded(), row.encoded) << row.what;
        EXPECT_TRUE(edit.canSet()) << row.what;
    }
    EXPECT_TRUE(KeystrokeEdit::consumesKeyUp(vk::Menu));
    EXPECT_TRUE(KeystrokeEdit::consumesKeyUp(0x79));
    EXPECT_FALSE(KeystrokeEdit::consumesKeyUp(vk::Tab));
}

TEST(KeystrokeEdit, ButtonsExamplesAndClear) {
    KeystrokeEdit edit;
    edit.keyDown(vk::Menu, kAltHeld);
    edit.pressTab();
    EXPECT_EQ(edit.encoded(), "100009ALT+TAB");

    edit.clear();
    EXPECT_EQ(edit.fieldText(), "");
    EXPECT_FALSE(edit.canSet());
    edit.pressWinkey();
    edit.keyDown(0x4D, {});
    EXPECT_EQ(edit.encoded(), "00014DWINKEY+M");

    std::vector<std::string> results;
    for (const ExampleMenuItem& item : keystrokeExamples()) {
        edit.keyDown(0x5A, {}); // whatever was there before
        edit.choose(item);
        results.push_back(std::string(item.caption) + " -> " + edit.encoded());
    }
    EXPECT_EQ(results, (std::vector<std::string>{
                           "Clear Keystroke -> 000000",
                           "- -> 00005AZ",
                           "Close Window [Alt+F4] -> 100073ALT+F4",
                           "Next Program [Alt+Tab] -> 100009ALT+TAB",
                           "Select all   [CTRL+A] -> 010041CTRL+A",
                           "Minimize All [Winkey+M] -> 00014DWINKEY+M",
                           "Task Manager [Ctrl+Shift+Escape] -> 01101BCTRL+SHIFT+ESCAPE",
                       }));
}

TEST(KeystrokeEdit, LoadsAStoredKeystrokeShowingItsStoredTextAndKeepsItUntilChanged) {
    const struct {
        const char* stored;
        bool decodes;
        const char* field;
        const char* afterF5; // F5 pressed: the modifiers stay, the display text is built afresh
    } table[] = {
        {"100046ALT+F", true, "ALT+F", "100074ALT+F5"},
        {"010053Save file", true, "Save file", "010074CTRL+F5"},
        {"0000ADVolume Mute", true, "Volume Mute", "000074F5"},
        // Stored without their own display text: the key's name, as the gestures window shows it.
        {"01101B", true, "CTRL+SHIFT+ESCAPE", "011074CTRL+SHIFT+F5"},
        {"01005a", true, "CTRL+Z", "010074CTRL+F5"},
        {"", true, "none", "000074F5"},
        {"1234", true, "none", "000074F5"},
        {"x00046ALT+F", false, "x00046ALT+F", "000074F5"},
        {"Ctrl+S", false, "Ctrl+S", "000074F5"},
    };
    for (const auto& row : table) {
        KeystrokeEdit edit;
        edit.keyDown(0x41, {.ctrl = true});
        EXPECT_EQ(edit.setKeystroke(row.stored), row.decodes) << row.stored;
        EXPECT_EQ(edit.fieldText(), row.field) << row.stored;
        EXPECT_EQ(edit.encoded(), row.stored) << row.stored;
        EXPECT_EQ(shownText(edit.keystroke()), row.decodes ? row.field : row.stored) << row.stored;
        edit.keyDown(0x74, {});
        EXPECT_EQ(edit.encoded(), row.afterF5) << row.stored;

        // Cleared or given an example, it forgets the stored text.
        edit.setKeystroke(row.stored);
        edit.clear();
        EXPECT_EQ(edit.encoded(), "000000") << row.stored;
        edit.setKeystroke(row.stored);
        edit.choose(keystrokeExamples()[2]);
        EXPECT_EQ(edit.encoded(), "100073ALT+F4") << row.stored;
    }
}

std::vector<std::string> captions(const KeystrokeListEdit& list) {
    std::vector<std::string> out;
    for (const KeystrokeListEntry& entry : list.entries())
        out.push_back(entry.caption);
    return out;
}

using Texts = std::vector<std::string>;

TEST(KeystrokeListEdit, LoadKeepsEveryPieceAsWrittenAndAnUnchangedListAsStored) {
    const struct {
        const char* stored;
        Texts captions;
        Texts malformed;
        const char* afterAddingTab; // each piece as it was stored, the separators made plain
    } table[] = {
        {"", {}, {}, "000009TAB"},
        {"100020ALT+SPACE| 00004EN", {"ALT+SPACE", "N"}, {}, "100020ALT+SPACE|00004EN|000009TAB"},
        {"0100bbCTRL+=||000009TAB", {"CTRL+=", "none", "TAB"}, {}, "0100bbCTRL+=||000009TAB|000009TAB"},
        {"|000053S", {"none", "S"}, {}, "|000053S|000009TAB"},
        {"000053S|", {"S"}, {}, "000053S|000009TAB"},
        {"000009TAB|bad piece|000053S",
         {"TAB", "bad piece", "S"},
         {"bad piece"},
         "000009TAB|bad piece|000053S|000009TAB"},
        {"zz0046|1 0046", {"zz0046", "1 0046"}, {"zz0046", "1 0046"}, "zz0046|1 0046|000009TAB"},
    };
    for (const auto& row : table) {
        KeystrokeListEdit list;
        list.add({});
        EXPECT_EQ(list.load(row.stored), row.malformed) << row.stored;
        EXPECT_EQ(captions(list), row.captions) << row.stored;
        EXPECT_EQ(list.encoded(), row.stored) << row.stored;
        list.add({0, 0, 0, 0, 0x09, "TAB"});
        EXPECT_EQ(list.encoded(), row.afterAddingTab) << row.stored;
    }
}

TEST(KeystrokeListEdit, EntriesAreEditedOneByOne) {
    const KeystrokeData tab{0, 0, 0, 0, 0x09, "TAB"};
    KeystrokeListEdit list;
    list.add(tab);
    list.add(tab);
    list.add({0, 1, 0, 0, 0xBB, "CTRL+="});
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.collect(), (Texts{"000009TAB", "0100BBCTRL+="}));

    EXPECT_TRUE(list.move(1, 0));
    EXPECT_TRUE(list.replace(1, {1, 0, 0, 0, 0x73, "ALT+F4"}));
    EXPECT_EQ(list.encoded(), "0100BBCTRL+=|100073ALT+F4");
    // No selection: nothing changes.
    EXPECT_FALSE(list.replace(2, tab));
    EXPECT_FALSE(list.remove(2));
    EXPECT_FALSE(list.move(0, 2));
    EXPECT_EQ(captions(list), (Texts{"CTRL+=", "ALT+F4"}));

    const auto examples = keystrokeListExamples();
    list.choose(examples[2]); // "Minimize [Alt+Space N]"
    EXPECT_EQ(captions(list), (Texts{"ALT+SPACE", "N"}));
    list.choose(examples[1]); // a separator
    EXPECT_EQ(list.entries().size(), 2u);
    list.choose(examples[0]); // "Clear List"
    EXPECT_TRUE(list.entries().empty());
}

} // namespace
} // namespace flickmark
