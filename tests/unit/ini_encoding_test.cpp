#include "settings/ini_encoding.h"

#include "fakes/windows_1252_code_page.h"
#include "utf16_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace flickmark {
namespace {

using namespace std::string_view_literals;

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
        EXPECT_EQ(decoded.document.find("init", "name"), "caf\xE9 \x80") << row.bytes;
        EXPECT_TRUE(decoded.encoding.heldLines.empty()) << row.bytes;
    }
}

TEST_F(IniEncodingTest, TextTheCodePageCannotHoldReadsAsTheProfileFunctionsReadIt) {
    const struct {
        std::string bytes;
        std::string value;
    } table[] = {
        {utf16(u"[s]\r\nk=\u0416x\r\n"), "?x"},    // not in the code page
        {utf16(u"[s]\r\nk=\U0001F600\r\n"), "??"}, // a surrogate pair: one '?' per half
        {utf16(u"[s]\r\nk=a" + std::u16string(1, char16_t{0xD800}) + u"b"), "a?b"}, // half a pair
        {utf16(u"[s]\r\nk=a\0b\r\n"sv), "a"}, // a zero character ends the value
        {"\xEF\xBB\xBF[s]\nk=|\xFF|", "|?|"}, // broken UTF-8 as MultiByteToWideChar decodes it
        {"\xEF\xBB\xBF[s]\nk=|\xC3(|", "|?(|"},
        {"\xEF\xBB\xBF[s]\nk=|\xE2\x82|", "|?|"},
        {"\xEF\xBB\xBF[s]\nk=|\xED\xA0\x80|", "|??|"}, // an encoded surrogate
        {"\xEF\xBB\xBF[s]\nk=|\xC0\xAF|", "|??|"},     // overlong
        {"\xEF\xBB\xBF[s]\nk=|\xE0\x80\xAF|", "|??|"},
        {"\xEF\xBB\xBF[s]\nk=|\xF4\x90\x80\x80|", "|???|"}, // beyond U+10FFFF
        {"\xEF\xBB\xBF[s]\nk=|\xF8\x88\x80\x80\x80|", "|?????|"},
        {"\xEF\xBB\xBF[s]\nk=|\xF0\x90\x80|", "|?|"},
        {"\xEF\xBB\xBF[s]\nk=|\xF0\x9F\x98\x80|", "|??|"},
        {"\xEF\xBB\xBF[s]\nk=\xE2\x82\r\n", "?"}, // cut off by the line's end
        {"\xEF\xBB\xBF[s]\nk=\xE2\x82", "?"},     // cut off by the file's end
        {"\xEF\xBB\xBF[s]\nk=x\xE2(", "x?"},      // which takes the rest
        {utf16(u"[s]\r\nk=55") + "5", "555"},     // an odd last byte
        {utf16be(u"[s]\r\nk=55") + "5", "555"},
        {"[s]\r\nk=caf\xC3\xA9\r\n", "caf\xC3\xA9"}, // UTF-8 without a mark is 8-bit text
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
        EXPECT_EQ(decoded.document.find("init", "path"), "C:\\?\\x.exe");
        decoded.document.setValue("init", "tbXPixel", "31");
        decoded.document.setValue("init", "name", "caf\xE9");
        EXPECT_EQ(encode(decoded), row.after);
    }

    // An odd last byte is written back as the character it read as, so no line is cut in half.
    DecodedIni odd = decode(utf16(u"[s]\r\nk=55") + "5");
    odd.document.setValue("s", "n", "1");
    EXPECT_EQ(encode(odd), utf16(u"[s]\r\nk=555\r\nn=1\r\n"));
}

TEST_F(IniEncodingTest, HeldLinesFollowTheirSectionAndEntryWhenATextIsWrittenAfresh) {
    const DecodedIni read = decode(utf16(u"[1]\r\n"
                                         u"Action = C:\\\u0416.exe|\r\n"
                                         u"[2]\r\n"
                                         u"Action=C:\\\u0414.exe|\r\n"));
    // The first section is gone, and the second one is written in a new spelling.
    const IniDocument rewritten("[ 2 ]\r\nAction=C:\\?.exe|\r\n[3]\r\nAction=C:\\?.exe|\r\n");
    EXPECT_EQ(encodeIni(rewritten, read.encoding, codePage),
              utf16(u"[ 2 ]\r\nAction=C:\\\u0414.exe|\r\n[3]\r\nAction=C:\\?.exe|\r\n"));
}

TEST(IniEncoding, AFirstLineStartingWithTheBytesOfAMarkStaysEightBitTextWhenReadAgain) {
    const Windows1252CodePage codePage;
    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
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
