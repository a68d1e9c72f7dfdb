#include "settings/ini_encoding.h"

#include <cstdint>

namespace flickmark {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

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

void appendCodePoint(std::u16string& out, char32_t c) {
    if (c > 0xFFFF) {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<char16_t>(c);
    }
}

char16_t utf16UnitAt(std::string_view text, std::size_t at, TextEncoding encoding) {
    const unsigned first = byteAt(text, at);
    const unsigned second = byteAt(text, at + 1);
    return static_cast<char16_t>(encoding == TextEncoding::Utf16LittleEndian ? (second << 8 | first)
                                                                             : (first << 8 | second));
}

// One character of UTF-8 starting at `at` in a line ending at `lineEnd`, decoded as MultiByteToWideChar
// (CP_UTF8) decodes it: a broken sequence gives U+FFFD and ends before the first byte that does not fit,
// which starts the next character; a sequence cut off by the end of the file takes the rest of the line.
char32_t decodeUtf8Character(std::string_view bytes, std::size_t& at, std::size_t lineEnd) {
    const unsigned char lead = byteAt(bytes, at++);
    if (lead < 0x80)
        return lead;
    const int continuations = lead >= 0xC2 && lead <= 0xDF   ? 1
                              : lead >= 0xE0 && lead <= 0xEF ? 2
                              : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                             : 0;
    if (static_cast<std::size_t>(continuations) > bytes.size() - at) {
        at = lineEnd;
        return kReplacement;
    }
    if (continuations == 0)
        return kReplacement;
    constexpr unsigned char kLeadMasks[] = {0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t value = lead & kLeadMasks[continuations];
    const auto next = [&](std::uint32_t& bits) {
        bits = static_cast<unsigned char>(byteAt(bytes, at) ^ 0x80);
        return bits < 0x40;
    };
    std::uint32_t bits = 0;
    if (continuations == 3) {
        if (!next(bits))
            return kReplacement;
        value = value << 6 | bits;
        ++at;
        if (value < 0x10) // overlong
            return kReplacement;
    }
    if (continuations >= 2) {
        if (!next(bits))
            return kReplacement;
        value = value << 6 | bits;
        if (value >= (0x110000 >> 6)) // beyond Unicode: the byte is not taken
            return kReplacement;
        ++at;
        if (value < 0x20 || (value >= (0xD800 >> 6) && value <= (0xDFFF >> 6))) // overlong or surrogate
            return kReplacement;
    }
    if (!next(bits))
        return kReplacement;
    value = value << 6 | bits;
    ++at;
    return value < 0x80 ? kReplacement : static_cast<char32_t>(value);
}

// The UTF-16 text of bytes [begin, end) of a file's text (after its byte-order mark).
std::u16string decodeSpan(std::string_view text, std::size_t begin, std::size_t end, TextEncoding encoding) {
    std::u16string out;
    if (encoding == TextEncoding::Utf8) {
        std::size_t at = begin;
        while (at < end)
            appendCodePoint(out, decodeUtf8Character(text, at, end));
        return out;
    }
    for (std::size_t at = begin; at + 2 <= end; at += 2)
        out += utf16UnitAt(text, at, encoding);
    return out;
}

void appendUtf8(std::string& out, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement; // half a pair has no UTF-8 form
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

void appendEncoded(std::string& out, std::u16string_view text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8) {
        appendUtf8(out, text);
        return;
    }
    const bool little = encoding == TextEncoding::Utf16LittleEndian;
    for (const char16_t c : text) {
        const char low = static_cast<char>(c & 0xFF);
        const char high = static_cast<char>(c >> 8);
        out += little ? low : high;
        out += little ? high : low;
    }
}

std::u16string asciiText(std::string_view text) {
    return std::u16string(text.begin(), text.end());
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

} // namespace

DecodedIni decodeIni(std::string_view bytes, const TextCodePage& codePage) {
    DecodedIni result;
    const TextEncoding encoding = detectEncoding(bytes);
    result.encoding.encoding = encoding;
    if (encoding == TextEncoding::Ansi) {
        result.document = IniDocument(bytes);
        return result;
    }
    std::string padded(bytes.substr(byteOrderMark(encoding).size()));
    if (isUtf16(encoding) && padded.size() % 2 != 0) // an odd last byte reads as the character of its value
        padded.insert(encoding == TextEncoding::Utf16LittleEndian ? padded.end() : padded.end() - 1, '\0');
    const std::string_view text = padded;

    std::string decoded;
    std::vector<std::pair<std::size_t, std::string>> lossy; // line index, bytes read
    for (std::size_t begin = 0, index = 0; begin < text.size(); ++index) {
        const LineSpan span = lineAt(text, begin, encoding);
        std::string line = codePage.narrow(decodeSpan(text, begin, span.end, encoding));
        for (char& c : line)
            if (c == '\r' || c == '\n') // no line may grow a line break
                c = '?';
        std::string reencoded;
        appendEncoded(reencoded, codePage.widen(line), encoding);
        const std::string_view read = text.substr(begin, span.end - begin);
        if (reencoded != read)
            lossy.emplace_back(index, std::string(read));
        decoded += line;
        decoded += span.ending;
        begin = span.next;
    }
    result.document = IniDocument(decoded);

    std::size_t nextLossy = 0;
    forEachLine(result.document, [&](std::size_t index, std::string key) { // in line order
        if (nextLossy < lossy.size() && lossy[nextLossy].first == index) {
            result.document.holdBytes(index, lossy[nextLossy].second);
            result.encoding.heldLines[std::move(key)].push_back(std::move(lossy[nextLossy++].second));
        }
    });
    return result;
}

std::string encodeIni(const IniDocument& document, const FileEncoding& encoding,
                      const TextCodePage& codePage) {
    if (encoding.encoding == TextEncoding::Ansi) {
        std::string text = document.text();
        // 8-bit text whose first line starts with the bytes of a byte-order mark (written by an edit, or
        // moved up when the lines above it were removed) would be read as another encoding next time. A blank
        // line in front keeps it 8-bit text and reads as nothing.
        if (detectEncoding(text) != TextEncoding::Ansi)
            text.insert(0, "\r\n");
        return text;
    }
    std::vector<std::string> lines(document.lineCount());
    std::map<std::string, std::size_t> used;
    forEachLine(document, [&](std::size_t index, const std::string& key) {
        if (const std::string* bytes = document.heldBytes(index)) {
            lines[index] = *bytes;
            return;
        }
        if (const auto held = encoding.heldLines.find(key); held != encoding.heldLines.end()) {
            std::size_t& taken = used[key];
            if (taken < held->second.size()) {
                lines[index] = held->second[taken++];
                return;
            }
        }
        appendEncoded(lines[index], codePage.widen(document.lineText(index)), encoding.encoding);
    });
    std::string out(byteOrderMark(encoding.encoding));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        appendEncoded(out, asciiText(document.lineEnding(i)), encoding.encoding);
    }
    return out;
}

} // namespace flickmark
