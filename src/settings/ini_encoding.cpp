#include "settings/ini_encoding.h"

#include "base/unicode_text.h"

#include <algorithm>
#include <optional>

namespace flickmark {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

std::string_view byteOrderMark(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return kUtf8Mark;
    case TextEncoding::Utf16LittleEndian:
        return kUtf16LittleEndianMark;
    case TextEncoding::Utf16BigEndian:
        return kUtf16BigEndianMark;
    case TextEncoding::Ansi:
        break;
    }
    return {};
}

TextEncoding detectEncoding(std::string_view bytes) {
    for (const TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf16LittleEndian, TextEncoding::Utf16BigEndian}) {
        const std::string_view mark = byteOrderMark(encoding);
        if (bytes.substr(0, mark.size()) == mark)
            return encoding;
    }
    return TextEncoding::Ansi;
}

bool isUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian;
}

unsigned char byteAt(std::string_view bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

char16_t utf16UnitAt(std::string_view text, std::size_t at, TextEncoding encoding) {
    const unsigned first = byteAt(text, at);
    const unsigned second = byteAt(text, at + 1);
    return static_cast<char16_t>(encoding == TextEncoding::Utf16LittleEndian ? (second << 8 | first)
                                                                             : (first << 8 | second));
}

// The UTF-8 text of bytes [begin, end) of a file's text (after its byte-order mark).
std::string decodeSpan(std::string_view text, std::size_t begin, std::size_t end, TextEncoding encoding,
                       const TextCodePage& codePage) {
    if (encoding == TextEncoding::Ansi)
        return utf8FromCodePage(text.substr(begin, end - begin), codePage);
    std::string out;
    if (encoding == TextEncoding::Utf8) {
        std::size_t at = begin;
        while (at < end)
            appendUtf8(out, decodeUtf8Character(text, at, end));
        return out;
    }
    std::u16string units;
    for (std::size_t at = begin; at + 2 <= end; at += 2)
        units += utf16UnitAt(text, at, encoding);
    return utf8FromUtf16(units);
}

// UTF-8 text as the bytes of a file in one of the Unicode encodings.
void appendUnicode(std::string& out, std::string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        out += text;
        return;
    }
    const bool little = encoding == TextEncoding::Utf16LittleEndian;
    for (const char16_t c : utf16FromUtf8(text)) {
        const char low = static_cast<char>(c & 0xFF);
        const char high = static_cast<char>(c >> 8);
        out += little ? low : high;
        out += little ? high : low;
    }
}

// The line of a file's text (after its byte-order mark) that starts at byte `begin`: a line ends at CR, LF
// or CR LF, as IniDocument splits lines. In UTF-8 no byte of those two is part of another character.
struct LineSpan {
    std::size_t end;         // where its text ends
    std::size_t next;        // where the next line starts
    std::string_view ending; // its line break
};

LineSpan lineAt(std::string_view text, std::size_t begin, TextEncoding encoding) {
    const std::size_t unit = isUtf16(encoding) ? 2 : 1;
    const auto unitAt = [&](std::size_t at) -> char32_t {
        if (at + unit > text.size())
            return 0;
        return unit == 1 ? byteAt(text, at) : utf16UnitAt(text, at, encoding);
    };
    std::size_t at = begin;
    while (at + unit <= text.size() && unitAt(at) != U'\r' && unitAt(at) != U'\n')
        at += unit;
    if (at + unit > text.size())
        return {text.size(), text.size(), {}};
    if (unitAt(at) == U'\r' && unitAt(at + unit) == U'\n')
        return {at, at + 2 * unit, "\r\n"};
    return {at, at + unit, unitAt(at) == U'\r' ? "\r" : "\n"};
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// How a line is found again on writing: its section's name (ASCII case folded) and the line, for an entry
// its name and value without the blanks around them.
std::string heldLineKey(std::string_view section, std::string_view line, bool header) {
    std::string key;
    for (const char c : section)
        key += asciiLower(c);
    key += '\n';
    const std::size_t equals = line.find('=');
    if (header || equals == std::string_view::npos) {
        key += trimIniBlanks(line);
    } else {
        key += trimIniBlanks(line.substr(0, equals));
        key += '=';
        key += trimIniBlanks(line.substr(equals + 1));
    }
    return key;
}

template <typename Visit> void forEachLine(const IniDocument& document, Visit visit) {
    for (const IniDocument::Section& section : document.sections()) {
        const bool hasHeader = section.header != std::string::npos;
        if (hasHeader)
            visit(section.header, heldLineKey(section.name, document.lineText(section.header), true));
        for (std::size_t i = section.begin; i < section.end; ++i)
            visit(i, heldLineKey(section.name, document.lineText(i), false));
    }
}

// A line of UTF-8 text as the bytes of a file in the encoding; characters the code page cannot hold become
// '?' in 8-bit text.
std::string encodeLine(std::string_view line, TextEncoding encoding, const TextCodePage& codePage) {
    if (encoding == TextEncoding::Ansi)
        return codePage.narrow(utf16FromUtf8(line));
    std::string out;
    appendUnicode(out, line, encoding);
    return out;
}

// The document as 8-bit text in the code page; nothing when a line that is not held has a character the
// code page cannot hold.
std::optional<std::string> encodeAnsi(const IniDocument& document,
                                      const std::vector<const std::string*>& held,
                                      const TextCodePage& codePage) {
    std::string text;
    for (std::size_t i = 0; i < document.lineCount(); ++i) {
        if (held[i]) {
            text += *held[i];
        } else if (const auto line = codePageFromUtf8Exactly(document.lineText(i), codePage)) {
            text += *line;
        } else {
            return std::nullopt;
        }
        text += document.lineEnding(i);
    }
    // 8-bit text whose first line starts with the bytes of a byte-order mark (written by an edit, or moved
    // up when the lines above it were removed) would be read as another encoding next time. A blank line in
    // front keeps it 8-bit text and reads as nothing.
    if (detectEncoding(text) != TextEncoding::Ansi)
        text.insert(0, "\r\n");
    return text;
}

// A file's text (after its byte-order mark), line by line.
struct ReadLine {
    std::string text;        // UTF-8
    std::string_view bytes;  // what it was read from, without its line break
    std::string_view ending; // its line break
};

std::vector<ReadLine> readLines(std::string_view text, TextEncoding encoding, const TextCodePage& codePage) {
    std::vector<ReadLine> lines;
    for (std::size_t begin = 0; begin < text.size();) {
        const LineSpan span = lineAt(text, begin, encoding);
        std::string line = decodeSpan(text, begin, span.end, encoding, codePage);
        for (char& c : line)
            if (c == '\r' || c == '\n') // no line may grow a line break
                c = '?';
        lines.push_back({std::move(line), text.substr(begin, span.end - begin), span.ending});
        begin = span.next;
    }
    return lines;
}

// The document in one of the Unicode encodings, held lines as their bytes.
std::string encodeUnicode(const IniDocument& document, const std::vector<const std::string*>& held,
                          TextEncoding encoding) {
    std::string out(byteOrderMark(encoding));
    for (std::size_t i = 0; i < document.lineCount(); ++i) {
        if (held[i])
            out += *held[i];
        else
            appendUnicode(out, document.lineText(i), encoding);
        appendUnicode(out, document.lineEnding(i), encoding);
    }
    return out;
}

// Broken UTF-8 reads by what follows it: a sequence the end of the file cuts off swallows the rest of its
// line, while the same bytes before more text end at the first byte that does not fit. So held bytes that
// moved towards or away from the end may read otherwise there; those are let go, and the line is written
// from its text. Returns whether any was.
bool releaseHeldBytesReadOtherwise(std::string_view written, const IniDocument& document,
                                   std::vector<const std::string*>& held, const TextCodePage& codePage) {
    const std::vector<ReadLine> lines =
        readLines(written.substr(kUtf8Mark.size()), TextEncoding::Utf8, codePage);
    bool released = false;
    for (std::size_t i = 0; i < std::min(lines.size(), held.size()); ++i) {
        if (held[i] && lines[i].text != document.lineText(i)) {
            held[i] = nullptr;
            released = true;
        }
    }
    return released;
}

} // namespace

DecodedIni decodeIni(std::string_view bytes, const TextCodePage& codePage) {
    DecodedIni result;
    const TextEncoding encoding = detectEncoding(bytes);
    result.encoding.encoding = encoding;
    std::string padded(bytes.substr(byteOrderMark(encoding).size()));
    if (isUtf16(encoding) && padded.size() % 2 != 0) // an odd last byte reads as the character of its value
        padded.insert(encoding == TextEncoding::Utf16LittleEndian ? padded.end() : padded.end() - 1, '\0');
    const std::string_view text = padded;

    std::vector<ReadLine> lines = readLines(text, encoding, codePage);
    std::string decoded;
    for (const ReadLine& line : lines) {
        decoded += line.text;
        decoded += line.ending;
    }
    result.document = IniDocument(decoded);

    // Every line keeps the bytes it was read from while it is unchanged, also one that reads exactly: were
    // it left to be found by its text, it could take the bytes of a broken line that reads the same.
    forEachLine(result.document, [&](std::size_t index, std::string key) {
        if (index >= lines.size())
            return;
        std::string lineBytes(lines[index].bytes);
        // A line whose text does not give its bytes back is also found by its text (see encodeIni).
        if (encodeLine(lines[index].text, encoding, codePage) != lineBytes)
            result.encoding.heldLines[std::move(key)].push_back(lineBytes);
        result.document.holdBytes(index, std::move(lineBytes));
    });
    return result;
}

std::string encodeIni(const IniDocument& document, const FileEncoding& encoding,
                      const TextCodePage& codePage) {
    // Each line's bytes as they were read, while it reads the same.
    std::vector<const std::string*> held(document.lineCount(), nullptr);
    std::map<std::string, std::size_t> used;
    forEachLine(document, [&](std::size_t index, const std::string& key) {
        if (const std::string* bytes = document.heldBytes(index)) {
            held[index] = bytes;
            return;
        }
        if (const auto found = encoding.heldLines.find(key); found != encoding.heldLines.end()) {
            std::size_t& taken = used[key];
            if (taken < found->second.size())
                held[index] = &found->second[taken++];
        }
    });

    if (encoding.encoding == TextEncoding::Ansi) {
        if (std::optional<std::string> text = encodeAnsi(document, held, codePage))
            return *std::move(text);
        // A character the code page cannot hold: the whole file becomes UTF-8, which holds every one. The
        // bytes held for lines of the 8-bit text mean nothing there, so every line is converted.
        std::string out(kUtf8Mark);
        for (std::size_t i = 0; i < document.lineCount(); ++i) {
            out += document.lineText(i);
            out += document.lineEnding(i);
        }
        return out;
    }
    std::string out = encodeUnicode(document, held, encoding.encoding);
    while (encoding.encoding == TextEncoding::Utf8 &&
           releaseHeldBytesReadOtherwise(out, document, held, codePage))
        out = encodeUnicode(document, held, encoding.encoding);
    return out;
}

} // namespace flickmark
