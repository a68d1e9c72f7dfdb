// Entries and items of the help and suggestions menus, built from the program set and the global set.
#include "library/menu_entries.h"
#include "library/menu_preview.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

struct Gesture {
    std::string gesture, type, action;
};

GestureSet setOf(const std::vector<Gesture>& gestures) {
    GestureSet set;
    for (const Gesture& g : gestures) {
        set.names.set(gestureDisplayName(g.gesture), g.gesture);
        set.types.set(g.gesture, g.type);
        set.actions.set(g.gesture, g.action);
    }
    return set;
}

std::vector<std::string> gesturesOf(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> out;
    for (const MenuEntry& e : entries)
        out.push_back(e.gesture);
    return out;
}

TEST(MenuEntries, CaptionShowsTheKeystrokesOrTheProgramFileBehindATab) {
    struct Row {
        std::string type, action, expected;
    };
    const Row rows[] = {
        {"Keystroke", "000041A", "UP+RIGHT\t   (A)"},
        {"Multiple Keystrokes", "010043CTRL+C|000074F5", "UP+RIGHT\t   (CTRL+C | F5)"},
        {"Keystroke", "", "UP+RIGHT\t   ()"},
        {"Multiple Keystrokes", "", "UP+RIGHT\t   ()"},
        {"Keystroke", "000000", "UP+RIGHT\t   ()"},
        {"Macro", "000041A|000042B", "UP+RIGHT\t   (A | B)"}, // unknown types show as keystroke lists
        {"Keystroke", "0x0041A", "UP+RIGHT\t   (0x0041A)"},   // malformed: as written
        {"Run Program / File", R"(C:\Program Files\My Tool\run me.exe|-x "a b")",
         "UP+RIGHT\t   [run me.exe]"},
        {"Run Program / File", "notepad.exe|", "UP+RIGHT\t   [notepad.exe]"},
        {"Run Program / File", "C:/tools/build.bat", "UP+RIGHT\t   [build.bat]"},
        {"Run Program / File", R"(%USERPROFILE%\Documents\)", "UP+RIGHT\t   []"},
        {"Window Command", "always on top", "UP+RIGHT\t   Always On Top"},
        {"Window Command", "Shade", "UP+RIGHT\t   Shade"}, // a name this version does not know: as stored
    };
    for (const Row& row : rows)
        EXPECT_EQ(entryCaption("UP+RIGHT", row.type, row.action), row.expected)
            << row.type << " " << row.action;
}

TEST(MenuEntries, HelpListsTheGesturesBeginningWithTheDirectionProgramSetFirst) {
    const GestureSet program = setOf({{"0", "Keystroke", "000041A"},
                                      {"30", "Keystroke", "000042B"},
                                      {"03", "Multiple Keystrokes", "010043CTRL+C|000074F5"},
                                      {"0312", "Run Program / File", R"(C:\windows\notepad.exe|)"},
                                      {"1", "Keystroke", "000043C"}});
    const GestureSet global = setOf({{"01", "Keystroke", "000044D"}, {"03", "Keystroke", "000058X"}});
    struct Row {
        Direction direction;
        std::vector<std::string> gestures;
    };
    const Row rows[] = {
        {Direction::Up, {"0", "03", "0312", "01", "03"}},
        {Direction::Right, {"30"}},
        {Direction::Down, {"1"}},
        {Direction::Left, {}},
        {Direction::None, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(gesturesOf(helpEntries(row.direction, program, global)), row.gestures)
            << int(row.direction);

    const auto entries = helpEntries(Direction::Up, program, global);
    EXPECT_EQ(entries[1].caption, "UP+RIGHT\t   (CTRL+C | F5)");
    EXPECT_EQ(entries[4].caption, "UP+RIGHT (overridden here)\t   (X)") << "the global set's own action";
    EXPECT_EQ(entries[3].caption, "UP+DOWN\t   (D)");
}

// The program's gestures stand under its name, the global ones under "All programs"; a global gesture whose
// program entry runs instead is marked, one whose program entry is empty is not (the lookup takes it).
TEST(MenuEntries, TheHelpMenuGroupsTheProgramsGesturesAndTheGlobalOnes) {
    using Kind = MenuItem::Kind;
    const GestureSet program = setOf({{"0", "Keystroke", "000041A"}, {"01", "Keystroke", ""}});
    const GestureSet global = setOf({{"0", "Keystroke", "000042B"}, {"01", "Keystroke", "000044D"}});
    const GestureSet none = setOf({});
    const auto captions = [](const std::vector<MenuItem>& items) {
        std::vector<std::string> out;
        for (const MenuItem& item : items)
            out.push_back((item.kind == Kind::Disabled ? "-- " : "") + item.caption);
        return out;
    };
    const struct {
        const GestureSet& program;
        std::string_view exeName;
        std::vector<std::string> captions;
    } table[] = {
        {program,
         "probe.exe",
         {"Help Popup", "", "-- probe.exe", "UP\t   (A)", "UP+DOWN\t   ()", "-- All programs",
          "UP (overridden here)\t   (B)", "UP+DOWN\t   (D)", "", "Close", "", "Gestures off in probe.exe"}},
        {program,
         "",
         {"Help Popup", "", "-- This program", "UP\t   (A)", "UP+DOWN\t   ()", "-- All programs",
          "UP (overridden here)\t   (B)", "UP+DOWN\t   (D)", "", "Close"}},
        // A program without gestures of its own: no groups.
        {none,
         "probe.exe",
         {"Help Popup", "", "UP\t   (B)", "UP+DOWN\t   (D)", "", "Close", "", "Gestures off in probe.exe"}},
    };
    for (const auto& row : table)
        EXPECT_EQ(captions(helpMenuItems(helpEntries(Direction::Up, row.program, global), row.exeName)),
                  row.captions)
            << row.exeName;
}

TEST(MenuEntries, SuggestionsKeepTheirOrderWithAnEntryPerSetThatHasTheGesture) {
    const GestureSet program = setOf({{"17", "Keystroke", "000041A"}});
    const GestureSet global = setOf({{"17", "Keystroke", "000042B"}, {"12", "Keystroke", "000043C"}});
    const auto entries = suggestionEntries({"12", "76", "17"}, program, global);
    EXPECT_EQ(entries, (std::vector<MenuEntry>{{"12", "DOWN+LEFT\t   (C)", false},
                                               {"17", "DOWN+SW\t   (A)", true},
                                               {"17", "DOWN+SW (overridden here)\t   (B)", false}}));
}

TEST(MenuEntries, MenusFrameTheEntriesWithTheirFixedItems) {
    using Kind = MenuItem::Kind;
    const std::vector<MenuEntry> entries{{"03", "UP+RIGHT\t   (A)"}, {"0", "UP\t   (B)"}};
    const MenuItem separator{Kind::Separator, "", 0, {}};
    const MenuItem first{Kind::Command, "UP+RIGHT\t   (A)", kFirstEntryId, {}};
    const MenuItem second{Kind::Command, "UP\t   (B)", kFirstEntryId + 1, {}};
    const MenuItem close{Kind::Command, "Close", kCloseId, {}, 0};

    EXPECT_EQ(helpMenuItems(entries),
              (std::vector<MenuItem>{
                  {Kind::Submenu, "Help Popup", 0, {{Kind::Command, "Configure", kConfigureId, {}, 0}}, 0},
                  separator,
                  first,
                  second,
                  separator,
                  close}));
    EXPECT_EQ(
        suggestionsMenuItems("03", entries),
        (std::vector<MenuItem>{
            {Kind::Submenu, "Suggestions Popup ", 0, {{Kind::Command, "Configure ", kConfigureId, {}, 0}}, 0},
            {Kind::Disabled, "(UP+RIGHT) not found ", 0, {}},
            separator,
            first,
            second,
            separator,
            {Kind::Command, "New gesture UP+RIGHT for all programs...", kNewForAllId, {}, 25},
            separator,
            close}));
    // With a known program in front: a new gesture for it too, and "Gestures off in" it.
    EXPECT_EQ(
        suggestionsMenuItems("13", entries, "my&tool.exe"),
        (std::vector<MenuItem>{
            {Kind::Submenu, "Suggestions Popup ", 0, {{Kind::Command, "Configure ", kConfigureId, {}, 0}}, 0},
            {Kind::Disabled, "(DOWN+RIGHT) not found ", 0, {}},
            separator,
            first,
            second,
            separator,
            {Kind::Command, "New gesture DOWN+RIGHT for my&tool.exe...", kNewForProgramId, {}, 0},
            {Kind::Command, "New gesture DOWN+RIGHT for all programs...", kNewForAllId, {}, 27},
            separator,
            close,
            separator,
            {Kind::Command, "Gestures off in my&tool.exe", kGesturesOffId, {}, 0}}));

    EXPECT_EQ(entryIndexOfId(kFirstEntryId + 1, 2), 1u);
    EXPECT_EQ(entryIndexOfId(kFirstEntryId + 2, 2), std::nullopt);
    EXPECT_EQ(entryIndexOfId(kCloseId, 2), std::nullopt);
}

TEST(MenuEntries, PreviewGoesBesideTheMenuOnTheSideWithRoom) {
    const Rect work{0, 0, 1280, 800};
    const PopupSize size{97, 107};
    struct Row {
        Rect item;
        Point expected;
    };
    const Row rows[] = {
        {{400, 300, 650, 318}, {654, 300}},   // room on the right
        {{1000, 300, 1200, 318}, {899, 300}}, // none on the right: left of the menu
        {{20, 300, 1260, 318}, {1264, 300}},  // room on neither side: the popup's placement decides
    };
    for (const Row& row : rows)
        EXPECT_EQ(menuPreviewCorner(row.item, size, work), row.expected) << row.item.left;
}

} // namespace
} // namespace flickmark
