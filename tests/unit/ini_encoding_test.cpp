#include "settings/ini_encoding.h"

#include "fakes/windows_1252_code_page.h"
#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace flickmark {
namespace {

using namespace std::string_view_literals;

// U+FFFD, what a broken sequence reads as.
constexpr std::string_view kReplaced = "\xEF\xBF\xBD";

std::string utf16(std::u16string_view text) {
    return utf16Bytes(text);
}

std::string utf16be(std::u16string_view text) {
    return utf16Bytes(text, true);
}

class IniEncodingTest : public ::testing::Test {
protected:
    DecodedIni decode(std::string_view bytes) const { return decodeIni(bytes, codePage); }
    std::string encode(const DecodedIni& decoded) const {
        return encodeIni(decoded.document, decoded.encoding, codePage);
    }

    Windows1252CodePage codePage;
};

TEST_F(IniEncodingTest, EveryEncodingAnEditorSavesReadsTheSame) {
    const struct {
        std::string bytes;
        TextEncoding encoding;
    } table[] = {
        {"[init]\r\ntbXPixel=55\r\nname=caf\xE9 \x80\r\n", TextEncoding::Ansi},
        {"\xEF\xBB\xBF[init]\r\ntbXPixel=55\r\nname=caf\xC3\xA9 \xE2\x82\xAC\r\n", TextEncoding::Utf8},
        {"\xEF\xBB\xBF[init]\ntbXPixel=55\nname=caf\xC3\xA9 \xE2\x82\xAC", TextEncoding::Utf8},
        {utf16(u"[init]\r\ntbXPixel=55\r\nname=caf\u00E9 \u20AC\r\n"), TextEncoding::Utf16LittleEndian},
        {utf16(u"[init]\rtbXPixel=55\rname=caf\u00E9 \u20AC\r"), TextEncoding::Utf16LittleEndian},
        {utf16be(u"[init]\r\ntbXPixel=55\r\nname=caf\u00E9 \u20AC\r\n"), TextEncoding::Utf16BigEndian},
    };
    for (const auto& row : table) {
        const DecodedIni decoded = decode(row.bytes);
        EXPECT_EQ(decoded.encoding.encoding, row.encoding) << row.bytes;
        EXPECT_EQ(decoded.document.find("init", "tbXPixel"), "55") << row.bytes;
        EXPECT_EQ(decoded.document.find("init", "name"), "caf\xC3\xA9 \xE2\x82\xAC") << row.bytes;
        EXPECT_TRUE(decoded.encoding.heldLines.empty()) << row.bytes;
    }
}

TEST_F(IniEncodingTest, EveryCharacterReadsAsItselfAndBrokenTextAsTheWideProfileFunctionsReadIt) {
    const std::string r(kReplaced);
    const struct {
        std::string bytes;
        std::string value;
    } table[] = {
        {utf16(u"[s]\r\nk=\u0416x\r\n"), "\xD0\x96x"}, // outside the code page
        {utf16(u"[s]\r\nk=\U0001F600\r\n"), "\xF0\x9F\x98\x80"},
        {utf16(u"[s]\r\nk=a" + std::u16string(1, char16_t{0xD800}) + u"b"), "a" + r + "b"}, // half a pair
        {utf16(u"[s]\r\nk=a\0b\r\n"sv), "a"},         // a zero character ends the value
        {"\xEF\xBB\xBF[s]\nk=|\xFF|", "|" + r + "|"}, // broken UTF-8 as MultiByteToWideChar decodes it
        {"\xEF\xBB\xBF[s]\nk=|\xC3(|", "|" + r + "(|"},
        {"\xEF\xBB\xBF[s]\nk=|\xE2\x82|", "|" + r + "|"},
        {"\xEF\xBB\xBF[s]\nk=|\xED\xA0\x80|", "|" + r + r + "|"}, // an encoded surrogate
        {"\xEF\xBB\xBF[s]\nk=|\xC0\xAF|", "|" + r + r + "|"},     // overlong
        {"\xEF\xBB\xBF[s]\nk=|\xE0\x80\xAF|", "|" + r + r + "|"},
        {"\xEF\xBB\xBF[s]\nk=|\xF4\x90\x80\x80|", "|" + r + r + r + "|"}, // beyond U+10FFFF
        {"\xEF\xBB\xBF[s]\nk=|\xF8\x88\x80\x80\x80|", "|" + r + r + r + r + r + "|"},
        {"\xEF\xBB\xBF[s]\nk=|\xF0\x90\x80|", "|" + r + "|"},
        {"\xEF\xBB\xBF[s]\nk=|\xF0\x9F\x98\x80|", "|\xF0\x9F\x98\x80|"},
        {"\xEF\xBB\xBF[s]\nk=\xE2\x82\r\n", r}, // cut off by the line's end
        {"\xEF\xBB\xBF[s]\nk=\xE2\x82", r},     // cut off by the file's end
        {"\xEF\xBB\xBF[s]\nk=x\xE2(", "x" + r}, // which takes the rest
        {utf16(u"[s]\r\nk=55") + "5", "555"},   // an odd last byte
        {utf16be(u"[s]\r\nk=55") + "5", "555"},
        {"[s]\r\nk=caf\xC3\xA9\r\n", "caf\xC3\x83\xC2\xA9"}, // UTF-8 without a mark is 8-bit text
        {"[s]\r\nk=\x81\x8D\r\n", "\xC2\x81\xC2\x8D"},       // bytes the code page leaves undefined
    };
    for (const auto& row : table)
        EXPECT_EQ(decode(row.bytes).document.find("s", "k"), row.value) << row.bytes;

    // UTF-16 without a byte-order mark is 8-bit text whose zero bytes end every name: nothing is found.
    std::string noMark = utf16(u"[s]\r\nk=v\r\n").substr(2);
    EXPECT_TRUE(decode(noMark).document.sectionNames().empty());
}

TEST_F(IniEncodingTest, WritingBackKeepsTheEncodingAndTheCharactersOfUnchangedLines) {
    const std::u16string before = u"; \u0416\u0443\u0440\u043D\u0430\u043B \U0001F600\r\n"
                                  u"[init]\r\n"
                                  u"tbXPixel=55\r\n"
                                  u"path=C:\\\u0416\\x.exe\r\n"
                                  u"same=C:\\\u0414\\x.exe\r\n";
    const std::u16string after = u"; \u0416\u0443\u0440\u043D\u0430\u043B \U0001F600\r\n"
                                 u"[init]\r\n"
                                 u"tbXPixel=31\r\n"
                                 u"path=C:\\\u0416\\x.exe\r\n"
                                 u"same=C:\\\u0414\\x.exe\r\n"
                                 u"name=caf\u00E9\r\n";
    const struct {
        std::string before;
        std::string after;
    } table[] = {
        {utf16(before), utf16(after)},
        {utf16be(before), utf16be(after)},
        {"\xEF\xBB\xBF; \xD0\x96\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB \xF0\x9F\x98\x80\r\n[init]\r\n"
         "tbXPixel=55\r\npath=C:\\\xD0\x96\\x.exe\r\nsame=C:\\\xD0\x94\\x.exe\r\n",
         "\xEF\xBB\xBF; \xD0\x96\xD1\x83\xD1\x80\xD0\xBD\xD0\xB0\xD0\xBB \xF0\x9F\x98\x80\r\n[init]\r\n"
         "tbXPixel=31\r\npath=C:\\\xD0\x96\\x.exe\r\nsame=C:\\\xD0\x94\\x.exe\r\nname=caf\xC3\xA9\r\n"},
    };
    for (const auto& row : table) {
        DecodedIni decoded = decode(row.before);
        EXPECT_EQ(encode(decoded), row.before);
        EXPECT_EQ(decoded.document.find("init", "path"), "C:\\\xD0\x96\\x.exe");
        decoded.document.setValue("init", "tbXPixel", "31");
        decoded.document.setValue("init", "name", "caf\xC3\xA9");
        EXPECT_EQ(encode(decoded), row.after);
    }

    // An odd last byte is written back as the character it read as, so no line is cut in half.
    DecodedIni odd = decode(utf16(u"[s]\r\nk=55") + "5");
    odd.document.setValue("s", "n", "1");
    EXPECT_EQ(encode(odd), utf16(u"[s]\r\nk=555\r\nn=1\r\n"));
}

TEST_F(IniEncodingTest, HeldLinesFollowTheirSectionAndEntryWhenATextIsWrittenAfresh) {
    const DecodedIni read = decode("\xEF\xBB\xBF[1]\r\n"
                                   "Action = C:\\\xFF.exe|\r\n"
                                   "[2]\r\n"
                                   "Action=C:\\\xFE.exe|\r\n");
    // The first section is gone, and the second one is written in a new spelling.
    const std::string r(kReplaced);
    const IniDocument rewritten("[ 2 ]\r\nAction=C:\\" + r + ".exe|\r\n[3]\r\nAction=C:\\" + r + ".exe|\r\n");
    EXPECT_EQ(encodeIni(rewritten, read.encoding, codePage),
              "\xEF\xBB\xBF[ 2 ]\r\nAction=C:\\\xFE.exe|\r\n[3]\r\nAction=C:\\" + r + ".exe|\r\n");
}

// A replacement character written as such and a broken byte read the same; each keeps its own bytes, however
// often the file is read and written again.
TEST_F(IniEncodingTest, AnExactLineKeepsItsBytesBesideABrokenLineThatReadsTheSame) {
    const std::string r(kReplaced);
    for (const std::string& bytes : {"\xEF\xBB\xBF[s]\r\nk=|" + r + "|\r\nk=|\xFF|\r\n",
                                     "\xEF\xBB\xBF[s]\r\nk=|\xFF|\r\nk=|" + r + "|\r\nk=|" + r + "|\r\n"}) {
        std::string written = bytes;
        for (int round = 0; round < 3; ++round)
            written = encode(decode(written));
        EXPECT_EQ(written, bytes);
    }

    // A sequence cut off by the end of the file swallows the rest of its line; once a key follows it, the
    // line is written from its text, so it reads the same.
    DecodedIni cutOff = decode("\xEF\xBB\xBF[s]\r\nk=\xF2\x0F");
    ASSERT_EQ(cutOff.document.find("s", "k"), r);
    cutOff.document.setValue("s", "n", "1");
    EXPECT_EQ(decode(encode(cutOff)).document.find("s", "k"), r);
}

// An edit of 8-bit text keeps it 8-bit text while the code page holds every character, byte for byte
// elsewhere; a character it cannot hold (nor by a look-alike) turns the file into UTF-8 with a mark, which
// reads back the same.
TEST_F(IniEncodingTest, EightBitTextStaysSoUnlessALineNeedsACharacterOutsideTheCodePage) {
    const std::string before = "; caf\xE9\r\n[s]\r\nk=\x80 \x81\r\n";
    const std::string beforeAsUtf8 = "\xEF\xBB\xBF; caf\xC3\xA9\r\n[s]\r\nk=\xE2\x82\xAC \xC2\x81\r\n";
    const struct {
        const char* value; // nullptr: no edit
        std::string expected;
    } table[] = {
        {nullptr, before},
        {"C:\\Tools\\x.exe", before + "n=C:\\Tools\\x.exe\r\n"},
        {"C:\\Zo\xC3\xAB\\\xE2\x80\x9Cx\xE2\x80\x9D.exe", before + "n=C:\\Zo\xEB\\\x93x\x94.exe\r\n"},
        {"C:\\Users\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7", // Ελένη
         beforeAsUtf8 + "n=C:\\Users\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\r\n"},
        {"D:\\\xE5\xB7\xA5\xE5\x85\xB7\\t.exe", // 工具
         beforeAsUtf8 + "n=D:\\\xE5\xB7\xA5\xE5\x85\xB7\\t.exe\r\n"},
        {"a\xC4\x81", beforeAsUtf8 + "n=a\xC4\x81\r\n"}, // a with a macron: no look-alike 'a'
    };
    for (const auto& row : table) {
        DecodedIni decoded = decode(before);
        if (row.value)
            decoded.document.setValue("s", "n", row.value);
        const std::string written = encode(decoded);
        EXPECT_EQ(written, row.expected) << row.expected;
        const DecodedIni reread = decode(written);
        EXPECT_EQ(reread.document.find("s", "k"), "\xE2\x82\xAC \xC2\x81");
        EXPECT_EQ(reread.document.find("s", "n"),
                  row.value ? std::optional<std::string>(row.value) : std::nullopt);
    }
}

TEST(IniEncoding, AFirstLineStartingWithTheBytesOfAMarkStaysEightBitTextWhenReadAgain) {
    const Windows1252CodePage codePage;
    // The characters of the code page whose bytes are those of a mark.
    for (const std::string mark : {"\xC3\xAF\xC2\xBB\xC2\xBF", "\xC3\xBF\xC3\xBE", "\xC3\xBE\xC3\xBF"}) {
        IniDocument written;
        written.setValue("", mark + "k", "1");
        IniDocument movedUp("a=1\r\n" + mark + "b=2\r\n");
        movedUp.removeKey("", "a");
        for (const IniDocument* document : {&written, &movedUp}) {
            const DecodedIni reread = decodeIni(encodeIni(*document, FileEncoding{}, codePage), codePage);
            EXPECT_EQ(reread.encoding.encoding, TextEncoding::Ansi);
            EXPECT_EQ(reread.document.keyNames(""), document->keyNames("")) << document->text();
        }
    }
}

} // namespace
} // namespace flickmark
