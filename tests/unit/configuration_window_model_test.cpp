#include "settings/configuration_content.h"
#include "settings/configuration_page_selection.h"
#include "settings/length_cross.h"
#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace flickmark {
namespace {

TEST(ConfigurationContent, PagesFollowTheTreeWithTheirPictures) {
    const struct {
        std::string_view text;
        int image;
    } expected[] = {{"Gestures", 5},  {"Help Popup", 6}, {"Scratchpad", 3},
                    {"Diagonals", 2}, {"Programs", 0},   {"Misc", 1}};
    const auto& pages = configurationPages();
    ASSERT_EQ(pages.size(), std::size(expected));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].nodeText, expected[i].text);
        EXPECT_EQ(pages[i].nodeImage, expected[i].image);
    }
}

// Each setting with a control is edited by exactly one control of the matching kind, and nothing else
// claims a row; ranges and defaults then come from the table alone.
TEST(ConfigurationContent, EverySettingWithAControlIsBoundOnceToAControlOfItsKind) {
    const std::map<std::size_t, int> expectedTicks = {
        {index(SettingId::tbXPixel), 10},     {index(SettingId::tbYPixel), 10},
        {index(SettingId::tbDeltaBias), 10},  {index(SettingId::tbDistanceBias), 10},
        {index(SettingId::tbHelpPause), 200}, {index(SettingId::tbFadeTime), 200},
    };
    std::map<std::size_t, int> bindings;
    std::set<int> ids;
    for (const ConfigurationPage& page : configurationPages()) {
        for (const PageItem& item : page.items) {
            EXPECT_TRUE(ids.insert(item.controlId).second) << "id used twice: " << item.controlId;
            EXPECT_GE(item.controlId, 200);
            EXPECT_LT(item.controlId, 400);
            const bool edits = item.kind == PageItemKind::CheckBox || item.kind == PageItemKind::TrackBar ||
                               item.kind == PageItemKind::ComboBox;
            if (!edits) {
                EXPECT_EQ(item.row, kNoSettingRow) << item.controlId;
                continue;
            }
            ASSERT_LT(item.row, kSettingCount) << item.controlId;
            ++bindings[item.row];
            const SettingControl control = settingsTable()[item.row].control;
            if (item.kind == PageItemKind::CheckBox) {
                EXPECT_EQ(control, SettingControl::CheckBox) << settingsTable()[item.row].key;
                EXPECT_FALSE(item.text.empty());
            } else if (item.kind == PageItemKind::ComboBox) {
                EXPECT_EQ(control, SettingControl::ComboBox) << settingsTable()[item.row].key;
                EXPECT_FALSE(item.choices.empty());
                for (const ComboChoice& choice : item.choices) {
                    EXPECT_GE(choice.value, settingsTable()[item.row].minPosition);
                    EXPECT_LE(choice.value, settingsTable()[item.row].maxPosition);
                }
            } else {
                EXPECT_TRUE(control == SettingControl::TrackBar || control == SettingControl::DecimalTrackBar)
                    << settingsTable()[item.row].key;
                EXPECT_EQ(item.tickFrequency, expectedTicks.at(item.row)) << settingsTable()[item.row].key;
            }
        }
    }
    for (std::size_t row = 0; row < kSettingCount; ++row) {
        const bool hasControl = settingsTable()[row].control != SettingControl::None;
        EXPECT_EQ(bindings[row], hasControl ? 1 : 0) << settingsTable()[row].key;
    }
}

TEST(ConfigurationPageSelection, StartsOnTheFirstPageAndKeepsItForMinusOneOrAnUnknownPage) {
    const struct {
        int request;
        bool changed;
        int current;
    } steps[] = {
        {configuration_page::kKeepPage, false, 0},
        {configuration_page::kMisc, true, 5},
        {configuration_page::kKeepPage, false, 5}, // reopened on the page shown last
        {configuration_page::kMisc, false, 5},
        {configuration_page::kCount, false, 5},
        {-2, false, 5},
        {configuration_page::kHelpPopup, true, 1},
        {configuration_page::kGestures, true, 0},
    };
    ConfigurationPageSelection selection;
    EXPECT_EQ(selection.current(), configuration_page::kGestures);
    for (const auto& step : steps) {
        EXPECT_EQ(selection.select(step.request), step.changed) << step.request;
        EXPECT_EQ(selection.current(), step.current) << step.request;
    }
}

TEST(LengthCross, BarsAreCentredAndHalvesTruncateTowardsZero) {
    const struct {
        int width, height, horizontal, vertical;
        LengthCross cross;
    } cases[] = {
        // The defaults in the 157 x 101 preview: 30 across, 25 (drawn 24) down.
        {157, 101, 30, 25, {{78, 38}, {78, 62}, {63, 50}, {93, 50}}},
        {157, 101, 10, 10, {{78, 45}, {78, 55}, {73, 50}, {83, 50}}},
        // The longest bars still fit across; the vertical one reaches past the top and bottom.
        {157, 101, 150, 150, {{78, -25}, {78, 125}, {3, 50}, {153, 50}}},
        // The preview at 150 % scaling keeps the lengths in screen pixels.
        {236, 152, 31, 11, {{118, 71}, {118, 81}, {103, 76}, {133, 76}}},
        {0, 0, 0, 0, {{0, 0}, {0, 0}, {0, 0}, {0, 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lengthCross(c.width, c.height, c.horizontal, c.vertical), c.cross)
            << c.width << "x" << c.height << " " << c.horizontal << "/" << c.vertical;
}

} // namespace
} // namespace flickmark

namespace flickmark {
namespace {

// What a check box switches on is greyed while the box is empty: the help popup's delay, the scratchpad's
// fade time, and the suggestions and corrections, which need diagonals.
TEST(ConfigurationContent, OptionsThatNeedAnotherFollowItsBox) {
    const struct {
        int page;
        PageItemKind kind;
        std::size_t row; // the row the item edits, kNoSettingRow for texts and panels
        SettingId parent;
        std::size_t dependents; // items of the page that follow the parent
    } table[] = {
        {configuration_page::kHelpPopup, PageItemKind::TrackBar, index(SettingId::tbHelpPause),
         SettingId::cbEnableHelpPoup, 4},
        {configuration_page::kScratchpad, PageItemKind::TrackBar, index(SettingId::tbFadeTime),
         SettingId::cbEnableScratchpad, 4},
        {configuration_page::kDiagonals, PageItemKind::CheckBox, index(SettingId::cbEnabledSuggestions),
         SettingId::cbEnableDiagonals, 4},
        {configuration_page::kDiagonals, PageItemKind::CheckBox, index(SettingId::cbEnableCorrections),
         SettingId::cbEnableDiagonals, 4},
    };
    for (const auto& row : table) {
        const auto& items = configurationPages()[row.page].items;
        const auto item = std::find_if(items.begin(), items.end(), [&](const PageItem& i) {
            return i.kind == row.kind && i.row == row.row;
        });
        ASSERT_NE(item, items.end()) << row.page;
        EXPECT_EQ(item->enabledBy, index(row.parent)) << row.page;
        EXPECT_FALSE(itemEnabled(*item, [&](std::size_t r) { return r != index(row.parent); })) << row.page;
        EXPECT_TRUE(itemEnabled(*item, [](std::size_t) { return true; })) << row.page;
        EXPECT_EQ(std::count_if(items.begin(), items.end(),
                                [&](const PageItem& i) { return i.enabledBy == index(row.parent); }),
                  static_cast<std::ptrdiff_t>(row.dependents))
            << row.page;
    }
    // Every parent is a check box on the page of the items that follow it.
    for (const ConfigurationPage& page : configurationPages()) {
        for (const PageItem& item : page.items) {
            if (item.enabledBy == kNoSettingRow)
                continue;
            EXPECT_TRUE(std::any_of(page.items.begin(), page.items.end(), [&](const PageItem& box) {
                return box.kind == PageItemKind::CheckBox && box.row == item.enabledBy;
            })) << item.controlId;
        }
    }
}

} // namespace
} // namespace flickmark
