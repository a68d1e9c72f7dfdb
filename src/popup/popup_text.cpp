#include "popup/popup_text.h"

#include <algorithm>

namespace flickmark {
namespace {

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A cut at `at` keeps surrogate pairs whole.
bool isCharacterBoundary(std::u16string_view text, std::size_t at) {
    return at == 0 || at >= text.size() || !(isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]));
}

std::vector<std::u16string_view> splitParagraphs(std::u16string_view text) {
    std::vector<std::u16string_view> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        paragraphs.push_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

std::size_t skipBlanks(std::u16string_view text, std::size_t at) {
    while (at < text.size() && text[at] == u' ')
        ++at;
    return at;
}

// The longest prefix of `rest` (at least one character) that fits, cutting inside a word.
std::size_t fittingPrefix(std::u16string_view rest, int maxWidth, const TextWidth& widthOf) {
    std::size_t fit = 0;
    for (std::size_t n = 1; n <= rest.size(); ++n) {
        if (!isCharacterBoundary(rest, n))
            continue;
        if (fit > 0 && widthOf(rest.substr(0, n)) > maxWidth)
            break;
        fit = n;
    }
    return fit;
}

void wrapParagraph(std::u16string_view p, int maxWidth, const TextWidth& widthOf,
                   std::vector<std::u16string>& lines) {
    if (p.empty()) {
        lines.emplace_back();
        return;
    }
    std::size_t start = 0;
    while (start < p.size()) {
        // Extend the line word by word while it fits.
        std::size_t fitEnd = start;
        std::size_t pos = start;
        bool anyWord = false;
        while (pos < p.size()) {
            std::size_t wordEnd = p.find(u' ', pos);
            if (wordEnd == std::u16string_view::npos)
                wordEnd = p.size();
            if (wordEnd > pos) {
                if (widthOf(p.substr(start, wordEnd - start)) > maxWidth)
                    break;
                anyWord = true;
            }
            fitEnd = wordEnd;
            pos = skipBlanks(p, wordEnd);
        }
        if (!anyWord) {
            // The first word alone is too wide: cut it where it stops fitting.
            fitEnd = start + fittingPrefix(p.substr(start), maxWidth, widthOf);
        }
        lines.emplace_back(p.substr(start, fitEnd - start));
        start = skipBlanks(p, fitEnd);
    }
}

} // namespace

PopupText composePopupText(std::u16string_view text, std::u16string_view extra, bool hint) {
    PopupText out;
    if (hint)
        out.header = kPopupHintLine;
    if (!extra.empty()) {
        if (!out.header.empty())
            out.header += u"\r\n";
        out.header += u"[Hotkey: ";
        out.header += extra;
        out.header += u"]";
    }
    std::size_t length = std::min(text.size(), kPopupTextMaxUnits);
    if (!isCharacterBoundary(text, length))
        --length;
    out.body = text.substr(0, length);
    return out;
}

std::vector<std::u16string> wrapPopupLines(std::u16string_view text, int maxWidth, const TextWidth& widthOf) {
    std::vector<std::u16string> lines;
    if (text.empty())
        return lines;
    for (const std::u16string_view paragraph : splitParagraphs(text))
        wrapParagraph(paragraph, maxWidth, widthOf, lines);
    return lines;
}

} // namespace flickmark
