#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_view_literals;

TEST(IniDocument, ManySpellingsOfOneKeyReadTheSame) {
    const char* spellings[] = {
        "[init]\r\nkey=value\r\n",
        "[init]\nkey=value",
        "[init]\rkey=value\r",
        "[init]\r\r\n\n\nkey=value\n\n",
        "  [ init ]  \n  key  =  value  \n",
        "\t[init]\t\n\tkey\t=\tvalue\t\x1a",
        "[INIT]\nKEY=value",
        "[init] anything after the bracket\nkey=value",
        "[init]\nkey=\"value\"",
        "[init]\nkey='value'",
        "[init]\nkey=  \"value\"  ",
        "[init]\n;key=comment\nkey=value",
        "[init]\nkey=value\nkey=second",
        "[init]\nkey=value\n[init]\nkey=second",
        "[other]\nkey=x\n[init]\nkey=value\n[other2]\nkey=y",
    };
    for (const char* text : spellings) {
        const IniDocument document(text);
        EXPECT_EQ(document.find("init", "key"), "value") << text;
        EXPECT_EQ(document.find(" Init\t", " KEY "), "value") << text;
    }
}

TEST(IniDocument, ValuesReadAsThePlatformReadsThem) {
    const struct {
        std::string_view line;
        std::optional<std::string> value;
    } table[] = {
        {"k=\"a\"b\"", "a\"b"}, // one pair of quotes only
        {"k=\"'a'\"", "'a'"},
        {"k=\"abc", "\"abc"}, // unmatched quote stays
        {"k='abc\"", "'abc\""},
        {"k=\"", "\""}, // a lone quote is not a pair
        {"k=\"\"", ""},
        {"k=\" a \"", " a "}, // quotes protect blanks
        {"k==v", "=v"},       // only the first '=' splits
        {"k=v ; no inline comments", "v ; no inline comments"},
        {"k=", ""},
        {"k", std::nullopt},                        // no '=': no value
        {";k=v", std::nullopt},                     // a comment, not key k
        {"k=\xE9\xFC\x81\xFF", "\xE9\xFC\x81\xFF"}, // 8-bit text byte for byte
        {"k=a\tb", "a\tb"},                         // inner blanks kept
        {"k=val\0ue"sv, "val"},                     // a zero byte ends the value
        {"k=val \0ue "sv, "val "},                  // after the line was trimmed
        {"k='a'\0b'"sv, "a"},
        {"k\0junk=v"sv, "v"}, // and the name; '=' is found beyond it
        {"k=\0v"sv, ""},
        {"\0k=v"sv, std::nullopt}, // an empty name
    };
    for (const auto& row : table) {
        const IniDocument document("[s]\n" + std::string(row.line) + "\n");
        EXPECT_EQ(document.find("s", "k"), row.value) << row.line;
    }
}

TEST(IniDocument, SectionHeadersAndTheLinesBeforeThem) {
    const IniDocument document("top=1\n"
                               "[unclosed\n"
                               "[a]b] tail\n"
                               "k=in a]b\n"
                               "[]\n"
                               "k=empty header\n"
                               "[ Spaced ]\n"
                               "k=s\n");
    EXPECT_EQ(document.sectionNames(), (Strings{"a]b", "Spaced"}));
    EXPECT_EQ(document.find("", "top"), "1"); // lines before the first header: the unnamed section
    EXPECT_EQ(document.keyNames(""), (Strings{"top"}));
    EXPECT_EQ(document.find("a]b", "k"), "in a]b");
    EXPECT_EQ(document.find("spaced", "k"), "s");
    EXPECT_FALSE(document.hasSection("unclosed"));

    // The last ']' is looked for beyond a zero byte, then the name ends at it.
    const IniDocument zeroBytes("[a\0b]\nk=1\n[c]\0junk]\nk=2\n[\0d]\nk=3\n"sv);
    EXPECT_EQ(zeroBytes.sectionNames(), (Strings{"a", "c]"}));
    EXPECT_EQ(zeroBytes.find("a", "k"), "1");
    EXPECT_EQ(zeroBytes.find("c]", "k"), "2");
}

TEST(IniDocument, CaseIsIgnoredForAsciiLettersOnly) {
    const IniDocument document("[\xC9T\xC9]\nKEY=first\n[\xE9t\xE9]\nkey=second\n"); // ÉTÉ, été
    EXPECT_EQ(document.find("\xC9t\xC9", "key"), "first");
    EXPECT_EQ(document.find("\xE9T\xE9", "Key"), "second");
    EXPECT_EQ(document.sectionNames(), (Strings{"\xC9T\xC9", "\xE9t\xE9"}));
}

TEST(IniDocument, ListsKeysWithValuesAndAllSectionsInFileOrder) {
    const IniDocument document("[s]\nb=1\n;c=2\nnovalue\n=x\na=2\nb=3\n[t]\n[S]\nlater=1\n");
    EXPECT_EQ(document.keyNames("S"), (Strings{"b", "a", "b"})); // first [s] only; duplicates as written
    EXPECT_EQ(document.sectionNames(), (Strings{"s", "t", "S"}));
    EXPECT_FALSE(document.find("s", "later").has_value());
    EXPECT_TRUE(document.keyNames("missing").empty());
    EXPECT_TRUE(document.keyNames(" s ").empty()); // listing keys does not trim the section name
    EXPECT_EQ(document.find(" s ", " b "), "1");   // reading a value does
}

TEST(IniDocument, NothingIsCutAtPlatformBufferSizes) {
    const std::string longValue(5000, 'x');
    std::string text = "[long]\nk=" + longValue + "\n";
    for (int i = 0; i < 3000; ++i)
        text += "[section" + std::to_string(i) + "]\nk=" + std::to_string(i) + "\n";
    const IniDocument document(text);
    EXPECT_EQ(document.find("long", "k"), longValue);
    const Strings names = document.sectionNames();
    ASSERT_EQ(names.size(), 3001u); // about 40 KB of names
    EXPECT_EQ(names.back(), "section2999");
    EXPECT_EQ(document.find("section2999", "k"), "2999");
}

TEST(IniDocument, UntouchedTextRoundTripsByteForByte) {
    const char* texts[] = {
        "",
        "[a]\r\nk=v\r\n",
        "[a]\nk=v",
        "\xEF\xBB\xBF[a]\r\nk=v\r\n",
        "; comment\r\n\r\n  [a]  \r\n\tk = \"v\" \r\n\r\n",
        "mixed\r\nline\nends\rhere\r\r\n\x1a",
        "[a]\nk=\xE9\x81\xFF\n",
    };
    for (const char* text : texts) {
        const std::string original(text);
        EXPECT_EQ(IniDocument(original).text(), original);
    }
    const char nulText[] = "[a]\nk=a\0b\n";
    const std::string withNul(nulText, sizeof nulText - 1);
    EXPECT_EQ(IniDocument(withNul).text(), withNul);
}

TEST(IniDocument, SettingAKeyReplacesOnlyItsValue) {
    IniDocument document(
        "; header comment\r\n[init]\r\n  xThreshold = 5 ; old\r\nother=1\r\n[next]\r\nz=9\r\n");
    EXPECT_TRUE(document.setValue("INIT", "xthreshold", "7"));
    EXPECT_EQ(document.text(),
              "; header comment\r\n[init]\r\n  xThreshold = 7\r\nother=1\r\n[next]\r\nz=9\r\n");
    EXPECT_FALSE(document.setValue("init", "other", "1")); // same text: no change
    EXPECT_EQ(document.find("init", "xThreshold"), "7");
}

TEST(IniDocument, NewKeysGoAfterTheLastKeyOfTheirSection) {
    IniDocument document("[a]\nx=1\n\n; about b\n[b]\ny=2\n");
    EXPECT_TRUE(document.setValue("a", "z", "3"));
    EXPECT_EQ(document.text(), "[a]\nx=1\nz=3\n\n; about b\n[b]\ny=2\n");

    IniDocument noKeys("[a]\n; only a comment\n[b]\n");
    EXPECT_TRUE(noKeys.setValue("a", "k", "v"));
    EXPECT_EQ(noKeys.text(), "[a]\nk=v\n; only a comment\n[b]\n");

    IniDocument valueless("[a]\nflag \nnext=1\n");
    EXPECT_TRUE(valueless.setValue("a", "flag", "on"));
    EXPECT_EQ(valueless.text(), "[a]\nflag=on\nnext=1\n");
}

TEST(IniDocument, NewSectionsGoAtTheEndWithTheFilesLineBreak) {
    IniDocument unterminated("[a]\nx=1");
    EXPECT_TRUE(unterminated.setValue("b", "k", "v"));
    EXPECT_EQ(unterminated.text(), "[a]\nx=1\n[b]\nk=v\n");

    IniDocument fresh;
    fresh.setValue("init", "timethreshold", "160");
    fresh.setValue("init", "xThreshold", "3");
    EXPECT_EQ(fresh.text(), "[init]\r\ntimethreshold=160\r\nxThreshold=3\r\n");

    IniDocument duplicate("[a]\nk=1\n[a]\nk2=2\n");
    EXPECT_TRUE(duplicate.setValue("a", "k2", "new")); // written where readers will find it
    EXPECT_EQ(duplicate.text(), "[a]\nk=1\nk2=new\n[a]\nk2=2\n");
}

TEST(IniDocument, EveryValueReadsBackExactlyAfterWriting) {
    const char* values[] = {"plain",
                            "",
                            " leading",
                            "trailing ",
                            "\"quoted\"",
                            "'single'",
                            "\"",
                            "\"\"",
                            "'a\"",
                            "\"a\"b\"",
                            "a=b;c",
                            "\xE9\x81",
                            "\tboth ",
                            "\"half",
                            "x\x1a",
                            "100046ALT+F|000053S",
                            "\"C:\\a b\\x.exe\"|\"p q\""};
    for (const char* value : values) {
        IniDocument document;
        document.setValue("s", "k", value);
        EXPECT_EQ(document.find("s", "k"), value) << document.text();
        EXPECT_EQ(IniDocument(document.text()).find("s", "k"), value);
    }
    IniDocument document;
    document.setValue("s", "k", "two\r\nlines");
    EXPECT_EQ(document.find("s", "k"), "two  lines");
    EXPECT_EQ(document.keyNames("s"), (Strings{"k"}));
    document.setValue("s", "k", std::string("zero\0byte", 9));
    EXPECT_EQ(document.find("s", "k"), "zero byte");
}

TEST(IniDocument, NamesNoLineCouldHoldAreRefused) {
    for (const std::string& key :
         std::vector<std::string>{"", "a=b", "[k", ";k", "a\nb", std::string("a\0b", 3)}) {
        IniDocument document("[s]\n");
        EXPECT_FALSE(document.setValue("s", key, "v")) << key.c_str();
        EXPECT_EQ(document.text(), "[s]\n");
    }
    IniDocument document;
    EXPECT_FALSE(document.setValue("a\nb", "k", "v"));
}

TEST(IniDocument, RemovingKeysAndSectionsKeepsTheRest) {
    IniDocument document("; top\n[a]\nk=1\nj=2\n[b]\nk=3\n[a]\nk=4\n");
    EXPECT_TRUE(document.removeKey("A", "K"));
    EXPECT_EQ(document.text(), "; top\n[a]\nj=2\n[b]\nk=3\n[a]\nk=4\n");
    EXPECT_FALSE(document.removeKey("a", "k")); // the later [a] is never seen
    EXPECT_TRUE(document.removeSection("a"));
    EXPECT_EQ(document.text(), "; top\n[b]\nk=3\n[a]\nk=4\n");
    EXPECT_EQ(document.find("a", "k"), "4");
    EXPECT_FALSE(document.removeSection("missing"));
}

TEST(IniDocument, RenamingASectionChangesOnlyTheNameInItsHeaders) {
    const struct {
        std::string_view text;
        const char* from;
        const char* to;
        bool renamed;
        std::string_view expected;
    } table[] = {
        {"[03]\r\nk=v\r\n", "03", "12", true, "[12]\r\nk=v\r\n"},
        {"  [ 03 ] ; mine\nk=v", "03", "12", true, "  [ 12 ] ; mine\nk=v"},
        {"[a]\n[A]\n[b]\n", " a ", "c", true, "[c]\n[c]\n[b]\n"},
        {"[a]x]\n", "a]x", "b", true, "[b]\n"},
        {"[a\0junk]\n"sv, "a", "b", true, "[b\0junk]\n"sv},
        {"[a]\n", "missing", "b", false, "[a]\n"},
        {"[a]\n", "a", "", false, "[a]\n"},
        {"[a]\n", "a", "b]", false, "[a]\n"},
    };
    for (const auto& row : table) {
        IniDocument document(row.text);
        EXPECT_EQ(document.renameSection(row.from, row.to), row.renamed) << row.text;
        EXPECT_EQ(document.text(), row.expected) << row.text;
    }
}

} // namespace
} // namespace flickmark
