#include "popup/popup_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

// Every code unit is one pixel wide.
int unitWidth(std::u16string_view s) {
    return static_cast<int>(s.size());
}

std::string ascii(const std::u16string& s) {
    return std::string(s.begin(), s.end());
}

std::vector<std::string> wrap(std::u16string_view text, int width) {
    std::vector<std::string> out;
    for (const std::u16string& line : wrapPopupLines(text, width, unitWidth))
        out.push_back(ascii(line));
    return out;
}

using Lines = std::vector<std::string>;

TEST(PopupText, LinesBreakAtLineEndsThenWordsThenInsideLongWords) {
    const struct {
        std::u16string_view text;
        int width;
        Lines expected;
    } table[] = {
        {u"hello world", 11, {"hello world"}},
        {u"hello world", 5, {"hello", "world"}},
        {u"hello world", 8, {"hello", "world"}},
        {u"one  two", 3, {"one", "two"}},
        {u"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {u"short longerword", 6, {"short", "longer", "word"}},
        {u"a\nb\r\nc\rd", 10, {"a", "b", "c", "d"}},
        {u"a\n\nb", 10, {"a", "", "b"}},
        {u"UP+RIGHT", 2, {"UP", "+R", "IG", "HT"}},
        {u"x", 0, {"x"}},
        {u"", 10, {}},
    };
    for (const auto& row : table)
        EXPECT_EQ(wrap(row.text, row.width), row.expected)
            << ascii(std::u16string(row.text)) << " @" << row.width;
}

TEST(PopupText, SurrogatePairsAreNeverSplit) {
    const std::u16string smile = u"\U0001F600";
    const auto lines = wrapPopupLines(smile + smile, 3, unitWidth);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], smile);
    EXPECT_EQ(lines[1], smile);

    const std::u16string longText = std::u16string(kPopupTextMaxUnits - 1, u'a') + smile + u"tail";
    const PopupText cut = composePopupText(longText, u"", false);
    EXPECT_EQ(cut.body, std::u16string(kPopupTextMaxUnits - 1, u'a'));
}

TEST(PopupText, HeaderHoldsHintAndHotkeyLines) {
    const std::u16string hint(kPopupHintLine);
    const struct {
        std::u16string_view extra;
        bool hint;
        std::u16string expected;
    } table[] = {
        {u"", false, u""},
        {u"", true, hint},
        {u"Ctrl+C", false, u"[Hotkey: Ctrl+C]"},
        {u"Ctrl+C", true, hint + u"\r\n[Hotkey: Ctrl+C]"},
    };
    for (const auto& row : table) {
        const PopupText text = composePopupText(u"UP+RIGHT", row.extra, row.hint);
        EXPECT_EQ(text.header, row.expected);
        EXPECT_EQ(text.body, u"UP+RIGHT");
    }
    EXPECT_EQ(composePopupText(std::u16string(600, u'x'), u"", false).body.size(), kPopupTextMaxUnits);
}

} // namespace
} // namespace flickmark
