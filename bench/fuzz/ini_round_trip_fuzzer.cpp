// INI round trip: a file is read, its document edited by a short script taken from the input, written in
// the file's encoding and read again. Every value written reads back as written, every key the edits did
// not touch keeps its answer, an edit reports a change exactly when the text changed, and the re-read
// document has the same answers and writes the same bytes. 8-bit text stays 8-bit text unless it must hold a
// character the code page cannot, and then becomes UTF-8.
//
// Input: the file's bytes, optionally followed by a NUL byte and the edit script. Names and values the
// script writes are the program's text: UTF-8, broken sequences read as U+FFFD.

#include "base/unicode_text.h"
#include "fakes/windows_1252_code_page.h"
#include "fuzz_check.h"
#include "platform/text_code_page.h"
#include "settings/ini_document.h"
#include "settings/ini_encoding.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace flickmark {
namespace {

using fuzz::check;

constexpr int kMaxEdits = 16;
constexpr std::size_t kMaxNameLength = 24;
constexpr std::size_t kMaxValueLength = 48;
constexpr std::string_view kMissing = "<missing>";

// The reader's blanks: tab, LF, VT, FF, CR, space and Ctrl+Z.
// A name as lookups compare it: trimmed, ASCII letters in lower case.
std::string folded(std::string_view name) {
    std::string out(trimIniBlanks(name));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    return out;
}

// The program's text: what the input gives, as UTF-8.
std::string programText(const std::string& bytes) {
    return utf8FromUtf16(utf16FromUtf8(bytes));
}

std::string shown(const std::optional<std::string>& value) {
    return value ? *value : std::string(kMissing);
}

// What a key may be written under: the writer refuses names no line could hold.
bool writable(std::string_view section, std::string_view key) {
    section = trimIniBlanks(section);
    key = trimIniBlanks(key);
    const std::string_view lineBreaksAndZero("\r\n\0", 3);
    return !key.empty() && key.find_first_of(lineBreaksAndZero) == std::string_view::npos &&
           key.find('=') == std::string_view::npos && key.front() != '[' && key.front() != ';' &&
           section.find_first_of(lineBreaksAndZero) == std::string_view::npos;
}

// A value as it reads back after a write: line breaks and zero bytes, which no value can hold, become
// blanks.
std::string readBack(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}

struct Answer {
    std::string section;
    std::string key;
    std::optional<std::string> value;
    friend bool operator==(const Answer&, const Answer&) = default;
};
using Answers = std::map<std::pair<std::string, std::string>, Answer>;

// The answer of every name an entry line holds (comments and entries without '=' included), asked
// through the section the line is in; the first line of a name decides.
Answers answersOf(const IniDocument& document) {
    Answers answers;
    for (const IniDocument::Section& section : document.sections())
        for (std::size_t i = section.begin; i < section.end; ++i)
            if (const auto name = document.entryName(i))
                answers.try_emplace({folded(section.name), folded(*name)},
                                    Answer{section.name, *name, document.find(section.name, *name)});
    return answers;
}

// The entry names in the first section of that name.
std::vector<std::string> entryNamesOf(const IniDocument& document, std::string_view section) {
    std::vector<std::string> names;
    for (const IniDocument::Section& s : document.sections()) {
        if (folded(s.name) != folded(section))
            continue;
        for (std::size_t i = s.begin; i < s.end; ++i)
            if (const auto name = document.entryName(i))
                names.push_back(*name);
        break;
    }
    return names;
}

// Mostly a name the document holds, in another case or with blanks around it; else a new name.
std::string pickName(FuzzedDataProvider& input, const std::vector<std::string>& known) {
    const auto choice = input.ConsumeIntegral<std::uint8_t>();
    if (known.empty() || (choice & 0x80) != 0)
        return programText(input.ConsumeRandomLengthString(kMaxNameLength));
    std::string name = known[choice % known.size()];
    if ((choice & 0x40) != 0)
        for (char& c : name)
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                c = static_cast<char>(c ^ 0x20);
    if ((choice & 0x20) != 0)
        name = " \t" + name + "\x1A ";
    return name;
}

struct Touched {
    std::set<std::pair<std::string, std::string>> keys;
    std::set<std::string> sections;

    bool contains(const std::pair<std::string, std::string>& key) const {
        return keys.count(key) != 0 || sections.count(key.first) != 0;
    }
};

void applyEdit(IniDocument& document, FuzzedDataProvider& input, Touched& touched) {
    std::vector<std::string> sections = document.sectionNames();
    sections.emplace_back();
    const std::string section = pickName(input, sections);
    const std::string key = pickName(input, entryNamesOf(document, section));
    const std::string before = document.text();

    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
    case 1: {
        const std::string value = programText(input.ConsumeRandomLengthString(kMaxValueLength));
        const bool changed = document.setValue(section, key, value);
        check(changed == (document.text() != before), "setValue reports whether the text changed");
        const auto found = document.find(section, key);
        if (writable(section, key)) {
            check(found == readBack(value), "a written value reads back", readBack(value), shown(found));
            touched.keys.insert({folded(section), folded(key)});
        } else {
            check(!changed, "a name no line can hold is refused", section + "/" + key);
        }
        break;
    }
    case 2: {
        const auto found = document.find(section, key);
        const bool removed = document.removeKey(section, key);
        check(removed == (document.text() != before), "removeKey reports whether the text changed");
        check(removed || !found, "removeKey removes a key that reads", section + "/" + key);
        if (removed)
            touched.keys.insert({folded(section), folded(key)});
        break;
    }
    default: {
        const bool removed = document.removeSection(section);
        check(removed == (document.text() != before), "removeSection reports whether the text changed");
        if (removed)
            touched.sections.insert(folded(section));
        break;
    }
    }
}

} // namespace
} // namespace flickmark

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flickmark;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view text = bytes.substr(0, split);
    const std::string_view script =
        split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);

    const Windows1252CodePage codePage;
    const DecodedIni read = decodeIni(text, codePage);
    IniDocument document = read.document;
    const Answers original = answersOf(document);

    FuzzedDataProvider input(reinterpret_cast<const std::uint8_t*>(script.data()), script.size());
    Touched touched;
    for (int edit = 0; edit < kMaxEdits && input.remaining_bytes() > 0; ++edit)
        applyEdit(document, input, touched);

    // Written in the file's encoding and read back the way the program reads its files.
    const std::string written = encodeIni(document, read.encoding, codePage);
    const DecodedIni decoded = decodeIni(written, codePage);
    const bool becameUtf8 =
        read.encoding.encoding == TextEncoding::Ansi && decoded.encoding.encoding == TextEncoding::Utf8;
    check(decoded.encoding.encoding == read.encoding.encoding || becameUtf8,
          "a file is read back in the encoding it was written in");
    if (becameUtf8) {
        bool outsideCodePage = false;
        for (std::size_t i = 0; i < document.lineCount(); ++i)
            outsideCodePage = outsideCodePage || !codePageFromUtf8Exactly(document.lineText(i), codePage);
        check(outsideCodePage, "8-bit text becomes UTF-8 only for a character the code page cannot hold");
    }
    const IniDocument& reread = decoded.document;
    const std::string rewritten = encodeIni(reread, decoded.encoding, codePage);
    check(rewritten == written, "a re-read document writes the same text", written, rewritten);
    check(reread.sectionNames() == document.sectionNames(), "a re-read document lists the same sections");
    for (const std::string& section : document.sectionNames())
        check(reread.keyNames(section) == document.keyNames(section),
              "a re-read document lists the same keys", section);
    const Answers rereadAnswers = answersOf(reread);
    check(rereadAnswers == answersOf(document), "a re-read document gives the same answers");

    for (const auto& [name, answer] : original) {
        if (touched.contains(name))
            continue;
        const auto now = reread.find(answer.section, answer.key);
        check(now == answer.value, "a key no edit touched keeps its answer", shown(answer.value), shown(now));
    }
    return 0;
}
