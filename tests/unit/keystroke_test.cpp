#include "actions/keystroke.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

KeystrokeData keystroke(int alt, int ctrl, int shift, int win, int key, std::string text) {
    return {static_cast<std::uint8_t>(alt), static_cast<std::uint8_t>(ctrl), static_cast<std::uint8_t>(shift),
            static_cast<std::uint8_t>(win), static_cast<std::uint16_t>(key), std::move(text)};
}

TEST(KeystrokeNotation, ExamplesDecodeAndEncodeBackUnchanged) {
    const struct {
        const char* encoded;
        KeystrokeData decoded;
    } table[] = {
        {"100046ALT+F", keystroke(1, 0, 0, 0, 0x46, "ALT+F")},
        {"000053S", keystroke(0, 0, 0, 0, 0x53, "S")},
        {"100020ALT+SPACE", keystroke(1, 0, 0, 0, 0x20, "ALT+SPACE")},
        {"01101B", keystroke(0, 1, 1, 0, 0x1B, "")},
        {"00014D", keystroke(0, 0, 0, 1, 0x4D, "")},
        {"100073", keystroke(1, 0, 0, 0, 0x73, "")},
        {"100009", keystroke(1, 0, 0, 0, 0x09, "")},
        {"2000DEa | b", keystroke(2, 0, 0, 0, 0xDE, "a | b")},
        {"000000", keystroke(0, 0, 0, 0, 0, "")},
    };
    for (const auto& row : table) {
        const auto decoded = decodeKeystroke(row.encoded);
        ASSERT_TRUE(decoded) << row.encoded;
        EXPECT_EQ(*decoded, row.decoded) << row.encoded;
        EXPECT_EQ(encodeKeystroke(*decoded), row.encoded);
    }
}

TEST(KeystrokeNotation, LowerCaseHexIsReadAndWrittenUpperCase) {
    const auto decoded = decodeKeystroke("0100bbCTRL+=");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->key, 0xBB);
    EXPECT_EQ(encodeKeystroke(*decoded), "0100BBCTRL+=");
}

TEST(KeystrokeNotation, TextsShorterThanSixCharactersAreTheEmptyKeystroke) {
    for (const char* text : {"", "1", "12345", "x|y"}) {
        const auto decoded = decodeKeystroke(text);
        ASSERT_TRUE(decoded) << text;
        EXPECT_EQ(*decoded, keystroke(0, 0, 0, 0, 0, "none")) << text;
    }
}

TEST(KeystrokeNotation, MalformedHeadersAreReportedNotGuessed) {
    for (const char* text : {"x00046ALT+F", "1 0046", "100G46", "1000-1", "+10046", "1000 9TAB"})
        EXPECT_FALSE(decodeKeystroke(text)) << text;
}

TEST(KeystrokeNotation, DisplayTexts) {
    const struct {
        int alt, shift, ctrl, win, key;
        const char* text;
    } table[] = {
        {0, 1, 1, 0, 0x1B, "CTRL+SHIFT+ESCAPE"},
        {0, 0, 0, 1, 0x4D, "WINKEY+M"},
        {0, 0, 0, 0, 0x60, "NUMPAD 0"},
        {0, 0, 0, 0, 0x69, "NUMPAD 9"},
        {0, 0, 0, 0, 0x7B, "F12"},
        {0, 0, 0, 0, 0x70, "F1"},
        {0, 0, 1, 0, 0xBB, "CTRL+="},
        {0, 0, 0, 0, 0xC0, "`"},
        {0, 0, 0, 0, 0xDC, "\\"},
        {0, 0, 0, 0, 0xDE, "'"},
        {0, 0, 0, 0, 0x30, "0"},
        {0, 0, 0, 0, 0x5A, "Z"},
        {1, 1, 1, 1, 0x2E, "WINKEY+CTRL+SHIFT+ALT+DELETE"},
        {0, 0, 1, 0, 0x11, "CTRL"}, // Ctrl pressed alone: no prefix for the key itself
        {0, 1, 1, 0, 0x10, "CTRL+SHIFT"},
        {0, 0, 1, 0, 0xA3, "RIGHT CTRL"},
        {1, 0, 1, 0, 0xA5, "CTRL+RIGHT ALT"},
        {0, 0, 0, 1, 0x5C, "RIGHT WINKEY"},
        {0, 0, 1, 0, 0x03, "CTRL+BREAK"},
        {0, 0, 0, 0, 0x7C, "F13"},
        {0, 0, 0, 0, 0x6C, "SEPARATOR"},
        {2, 2, 2, 2, 0x41, "A"}, // only the value 1 adds a prefix
        {0, 0, 0, 0, 0x00, ""},
    };
    for (const auto& row : table) {
        EXPECT_EQ(
            keystrokeDisplayText(static_cast<std::uint8_t>(row.alt), static_cast<std::uint8_t>(row.shift),
                                 static_cast<std::uint8_t>(row.ctrl), static_cast<std::uint8_t>(row.win),
                                 static_cast<std::uint16_t>(row.key)),
            row.text);
    }
}

TEST(KeystrokeNotation, EveryKeyHasANameWithoutTheListSeparator) {
    for (int key = 1; key <= 0xFFFF; ++key) {
        const std::string name = keyName(static_cast<std::uint16_t>(key));
        ASSERT_FALSE(name.empty()) << key;
        ASSERT_EQ(name.find('|'), std::string::npos) << key;
    }
}

TEST(KeystrokeNotation, KeyNamesOfEachFamily) {
    const struct {
        int key;
        const char* name;
    } table[] = {
        {0xA0, "LEFT SHIFT"},  {0xA1, "RIGHT SHIFT"},  {0xA2, "LEFT CTRL"},    {0xA4, "LEFT ALT"},
        {0x5B, "WINKEY"},      {0xA6, "BROWSER BACK"}, {0xAC, "BROWSER HOME"}, {0xAD, "VOLUME MUTE"},
        {0xAF, "VOLUME UP"},   {0xB0, "NEXT TRACK"},   {0xB7, "LAUNCH APP2"},  {0x7C, "F13"},
        {0x87, "F24"},         {0x5D, "APPS"},         {0x2C, "PRINT SCREEN"}, {0x2A, "PRINT"},
        {0x91, "SCROLL LOCK"}, {0x14, "CAPS LOCK"},    {0x13, "PAUSE"},        {0x03, "BREAK"},
        {0x0C, "CLEAR"},       {0x5F, "SLEEP"},        {0xE2, "OEM 102"},      {0xE8, "KEY E8"},
        {0x88, "KEY 88"},      {0x01, "KEY 01"},
    };
    for (const auto& row : table)
        EXPECT_EQ(keyName(static_cast<std::uint16_t>(row.key)), row.name) << row.key;
}

// The layout names the keys whose character it decides; every other key keeps its fixed name, whatever the
// layout calls it.
TEST(KeystrokeNotation, PressedKeysTakeTheLayoutsNameOnlyForLayoutKeys) {
    const struct {
        int key;
        const char* layoutName;
        const char* name;
    } table[] = {
        {0xBA, "\xDC", "\xDC"}, // a German layout's U-umlaut key
        {0xBA, "", ";"},        // no name from the layout: the fixed one
        {0xDC, "zirkumflex", "ZIRKUMFLEX"},
        {0xE2, " < ", "<"},
        {0xE8, "Foo", "FOO"}, // a code without a known key
        {0xE8, "", "KEY E8"},
        {0xBB, "a|b", "="}, // the list separator is never part of a name
        {0xBB, "a\nb", "="},
        {0xA3, "Control", "RIGHT CTRL"},
        {0xAD, "D", "VOLUME MUTE"}, // Windows' name for the media keys is a letter's
        {0x41, "Q", "A"},
        {0x0D, "Num Enter", "ENTER"},
    };
    for (const auto& row : table)
        EXPECT_EQ(pressedKeyName(static_cast<std::uint16_t>(row.key), row.layoutName), row.name) << row.key;
}

std::vector<std::string> allTokens(std::string source, std::string_view separator) {
    std::vector<std::string> tokens;
    while (!source.empty())
        tokens.push_back(takeToken(source, separator));
    return tokens;
}

TEST(TakeToken, SplitsAtTheFirstSeparatorAndTrimsOnlyTheFront) {
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(allTokens("000009TAB| 000020SPACE", "|"), (Tokens{"000009TAB", "000020SPACE"}));
    EXPECT_EQ(allTokens("A||B", "|"), (Tokens{"A", "", "B"}));
    EXPECT_EQ(allTokens("A|", "|"), (Tokens{"A"}));
    EXPECT_EQ(allTokens("\t\r\n  x y |z ", "|"), (Tokens{"x y ", "z "}));
    EXPECT_EQ(allTokens("a<>b<>c", "<>"), (Tokens{"a", "b", "c"}));
    EXPECT_EQ(allTokens("a|b", ""), (Tokens{"a|b"}));

    std::string source = "app.exe|  -x |y";
    EXPECT_EQ(takeToken(source, "|"), "app.exe");
    EXPECT_EQ(source, "  -x |y"); // the rest waits for the next call to be trimmed
    std::string blanks = "   ";
    EXPECT_EQ(takeToken(blanks, "|"), "");
    EXPECT_EQ(blanks, "");
}

TEST(KeystrokeList, DecodesEveryPieceOrNamesTheBadOne) {
    const auto good = decodeKeystrokeList("100020ALT+SPACE|00004EN");
    ASSERT_TRUE(good.ok());
    ASSERT_EQ(good.keystrokes.size(), 2u);
    EXPECT_EQ(good.keystrokes[1], keystroke(0, 0, 0, 0, 0x4E, "N"));

    EXPECT_TRUE(decodeKeystrokeList("").ok());
    EXPECT_TRUE(decodeKeystrokeList("").keystrokes.empty());

    const auto withEmptyPiece = decodeKeystrokeList("000009TAB||000009TAB");
    ASSERT_TRUE(withEmptyPiece.ok());
    ASSERT_EQ(withEmptyPiece.keystrokes.size(), 3u);
    EXPECT_EQ(withEmptyPiece.keystrokes[1], keystroke(0, 0, 0, 0, 0, "none"));

    const auto bad = decodeKeystrokeList("000009TAB|ALT+F4|000009TAB");
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(bad.malformedPiece, "ALT+F4");
    EXPECT_TRUE(bad.keystrokes.empty());
}

TEST(KeystrokeList, DisplayTextJoinsStoredTexts) {
    EXPECT_EQ(keystrokeListDisplayText("100020ALT+SPACE|00004EN"), "ALT+SPACE | N");
    EXPECT_EQ(keystrokeListDisplayText("01101B"), "CTRL+SHIFT+ESCAPE"); // stored without its text
    EXPECT_EQ(keystrokeListDisplayText(""), "");
    EXPECT_EQ(keystrokeListDisplayText("000053S|bad piece"), "S | bad piece");
}

} // namespace
} // namespace flickmark
