// Wide text of the system as the program's text and back.
#include "base/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace flickmark {
namespace {

TEST(WideText, PathsGoBackToTheSystemAsTheyCameEvenWithHalfASurrogatePair) {
    const struct {
        const char* what;
        std::u16string wide;
        std::string text;
        bool halfPair;
    } table[] = {
        {"plain", u"C:\\Tools\\a.exe", "C:\\Tools\\a.exe", false},
        {"Greek and Chinese", u"\u0395\u03bb \u5de5", "\xCE\x95\xCE\xBB \xE5\xB7\xA5", false},
        {"a pair", u"\U0001F600.ini", "\xF0\x9F\x98\x80.ini", false},
        {"a lone high half", u"a\xD83D.ini", "a\xED\xA0\xBD.ini", true},
        {"a lone low half", u"a\xDE00", "a\xED\xB8\x80", true},
        {"two halves the wrong way round", u"\xDE00\xD83D", "\xED\xB8\x80\xED\xA0\xBD", true},
        {"a high half at the end", u"x\xDBFF", "x\xED\xAF\xBF", true},
    };
    for (const auto& row : table) {
        EXPECT_EQ(wtf8FromUtf16(row.wide), row.text) << row.what;
        EXPECT_EQ(utf16FromWtf8(row.text), row.wide) << row.what;
        // The conversions of file contents still follow the system's: a half becomes U+FFFD.
        EXPECT_EQ(utf8FromUtf16(row.wide) == row.text, !row.halfPair) << row.what;
    }
}

TEST(WideText, BrokenTextOtherThanAHalfPairReadsAsBefore) {
    for (const std::string broken : {"\xC3",
                                     "a\xFF"
                                     "b",
                                     "\xE0\x80\x80", "\xED\xA0", "\xF4\x90\x80\x80", "\xED\x9F\xBF"})
        EXPECT_EQ(utf16FromWtf8(broken), utf16FromUtf8(broken)) << broken.size();
}

} // namespace
} // namespace flickmark
