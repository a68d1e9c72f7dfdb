// INI text read the way the platform's profile functions read it (GetPrivateProfileStringA), and edited
// so that every line that is not changed stays byte for byte as it was.
//
// The text is UTF-8, the program's text; a file saved as 8-bit text in the ANSI code page or as UTF-16 is
// decoded into it first (ini_encoding.h). UTF-8 has no byte of '[', ']', '=', ';', a blank or a line break
// inside another character, so the rules below read it as the platform's wide functions read the file.
//
// Reading rules:
//  - A line ends at CR, LF or CR LF. Blanks are tab, LF, VT, FF, CR, space and Ctrl+Z (0x1A); they are
//    trimmed from both ends of lines, names and values.
//  - A zero byte ends a name or a value, as it ends the platform's strings: what follows it on the line is
//    not read, while the blanks before it stay ("k=a \0b" reads "a "). The '=' and the last ']' are looked
//    for in the whole line, so "k\0x=v" is key "k" with value "v"; a line starting with a zero byte is an
//    entry with an empty name.
//  - A line whose trimmed text starts with '[' and holds a ']' is a section header: the name is the trimmed
//    text between the '[' and the LAST ']'; anything after that ']' is ignored. A '[' line without ']' is
//    an ordinary entry.
//  - Any other non-blank line is an entry: the name is the text before the first '=', the value the text
//    after it. An entry without '=' has no value and reads as missing. An entry whose name starts with ';'
//    is a comment: it is never listed as a key (an exact query for its name still finds it, as on the
//    platform).
//  - Lines before the first header belong to a section with the empty name, which is not listed.
//  - Section and key names compare ignoring the case of ASCII letters (not of other letters, as on the
//    platform); query names are trimmed first. The first of duplicate sections wins: keys of a later section
//    with the same name are never found. Within a section the first of duplicate keys wins.
//  - A value that is at least two characters long and starts and ends with the same quote character
//    (' or ") reads without that pair of quotes.
// Nothing is limited in length: values, lines, sections and the section list.
// Where we differ on purpose: the platform lists an empty key name (of "=v" or "\0k=v"), which ends its
// zero-separated list early for every reader; we leave it out.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace flickmark {

class IniDocument {
public:
    // An empty document; lines added to it end in CR LF.
    IniDocument();
    explicit IniDocument(std::string_view text);

    // The whole text: untouched lines exactly as read, new lines with the line break the text used first.
    std::string text() const;

    // Non-empty section names in file order, duplicates included (as the platform lists them).
    std::vector<std::string> sectionNames() const;
    bool hasSection(std::string_view section) const;
    // Names of the keys with a value in the first section of that name, in file order; comments, entries
    // without '=' and empty names are left out. As on the platform, this section name is not trimmed.
    std::vector<std::string> keyNames(std::string_view section) const;
    // The value as the platform reads it; nullopt when the section or key is missing or the key has no '='.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key, std::string_view fallback = {}) const;

    // Writes a key: the value part of the existing line is replaced, or a new line is added after the last
    // key of the section, or the section is added at the end of the text. The value is stored so that it
    // reads back exactly (see encodeIniValue). Returns whether the text changed; a name no line could hold
    // (an empty key, '=', a line break or a zero byte in a name, a key starting with '[' or ';') changes
    // nothing.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the first matching key line of the first section of that name.
    bool removeKey(std::string_view section, std::string_view key);
    // Removes the first section of that name: its header and every line up to the next header.
    bool removeSection(std::string_view section);
    // Gives every section of that name the new name, changing only the name between the brackets of its
    // header line. Returns whether a header changed; a name no header could hold changes nothing.
    bool renameSection(std::string_view section, std::string_view newName);
    // Removes the lines [first, end).
    void removeLines(std::size_t first, std::size_t end);
    // Adds a line of text at the end, with the line break the text used first; a last line without a break
    // gets one first.
    void appendLine(std::string text);

    // Line-level view for callers that keep content they do not interpret.
    struct Section {
        std::string name;
        std::size_t header; // index of the header line; npos for the lines before the first header
        std::size_t begin;  // first line after the header
        std::size_t end;    // one past the last line of the section
    };
    // Every section in file order, duplicates included; the first is the one before any header.
    const std::vector<Section>& sections() const { return sections_; }
    std::size_t lineCount() const { return lines_.size(); }
    // A line's bytes without its line break.
    std::string_view lineText(std::size_t index) const { return lines_[index].text; }
    // "\r\n", "\n", "\r", or empty for a last line without a break.
    std::string_view lineEnding(std::size_t index) const { return lines_[index].ending; }
    // The name of an entry line, comments included; nullopt for blank lines and headers.
    std::optional<std::string> entryName(std::size_t index) const;
    // Bytes a writer puts in place of a line while it is unchanged: what the line was read from
    // (ini_encoding.h). A line that is changed, or added, has none.
    void holdBytes(std::size_t index, std::string bytes) { lines_[index].heldBytes = std::move(bytes); }
    const std::string* heldBytes(std::size_t index) const {
        return lines_[index].heldBytes.empty() ? nullptr : &lines_[index].heldBytes;
    }

private:
    enum class LineKind { Blank, Header, Entry };
    struct Line {
        std::string text;
        std::string ending; // "\r\n", "\n", "\r", or empty for a last line without a break
        LineKind kind = LineKind::Blank;
        std::string name; // header or entry name, trimmed
        bool hasValue = false;
        std::size_t valueBegin = 0; // the value's place in `text`, blanks excluded
        std::size_t valueEnd = 0;
        std::string heldBytes;
    };

    static Line makeLine(std::string text, std::string ending);
    // The first section of a name compared as given (untrimmed).
    const Section* firstSectionNamed(std::string_view name) const;
    const Section* firstSection(std::string_view name) const;
    std::size_t findEntry(const Section& section, std::string_view key) const;
    void insertLine(std::size_t index, std::string text);
    void reindex();

    std::string lineBreak_ = "\r\n";
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> firstSectionByName_; // folded name -> index in sections_
};

// The text to store for a value so that reading gives the value back: a value with blanks at either end, or
// with a pair of matching quotes around it, is put in double quotes. Line breaks and zero bytes, which no
// value can hold, become blanks.
std::string encodeIniValue(std::string_view value);

// Section and key name comparison: ignores the case of ASCII letters, does not trim.
bool iniNamesEqual(std::string_view a, std::string_view b);

// The text without the blanks at its ends, blanks as the reading rules define them.
std::string_view trimIniBlanks(std::string_view text);

} // namespace flickmark
