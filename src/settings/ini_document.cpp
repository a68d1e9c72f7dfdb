#include "settings/ini_document.h"

#include <algorithm>

namespace flickmark {
namespace {

bool isBlank(char c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' ';
}

// Names and values end at a zero byte, as the platform's strings do.
std::string_view beforeZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// The platform folds the case of ASCII letters only: "\xC9" and "\xE9" are different names.
unsigned char foldCase(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c;
}

std::string foldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = static_cast<char>(foldCase(static_cast<unsigned char>(c)));
    return folded;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool isComment(std::string_view name) {
    return !name.empty() && name.front() == ';';
}

// A zero byte would end the name early for every reader.
bool canHoldName(std::string_view name) {
    return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool canHoldKey(std::string_view key) {
    return !key.empty() && canHoldName(key) && key.find('=') == std::string_view::npos &&
           key.front() != '[' && key.front() != ';';
}

} // namespace

std::string_view trimIniBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool iniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string encodeIniValue(std::string_view value) {
    std::string text(value);
    for (char& c : text)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    const bool blankAtEnd = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
    if (blankAtEnd || unquote(text).size() != text.size())
        return '"' + text + '"';
    return text;
}

IniDocument::IniDocument() {
    reindex();
}

IniDocument::IniDocument(std::string_view text) {
    bool lineBreakSeen = false;
    while (!text.empty()) {
        const std::size_t breakAt = text.find_first_of("\r\n");
        if (breakAt == std::string_view::npos) {
            lines_.push_back(makeLine(std::string(text), {}));
            break;
        }
        const std::size_t breakLength =
            (text[breakAt] == '\r' && breakAt + 1 < text.size() && text[breakAt + 1] == '\n') ? 2 : 1;
        std::string ending(text.substr(breakAt, breakLength));
        if (!lineBreakSeen) {
            lineBreak_ = ending;
            lineBreakSeen = true;
        }
        lines_.push_back(makeLine(std::string(text.substr(0, breakAt)), std::move(ending)));
        text.remove_prefix(breakAt + breakLength);
    }
    reindex();
}

IniDocument::Line IniDocument::makeLine(std::string text, std::string ending) {
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const std::string_view full = line.text;
    const std::string_view trimmed = trimIniBlanks(full);
    if (trimmed.empty())
        return line;
    const std::size_t start = static_cast<std::size_t>(trimmed.data() - full.data());
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Header;
            line.name = beforeZero(trimIniBlanks(trimmed.substr(1, close - 1)));
            return line;
        }
    }
    line.kind = LineKind::Entry;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        line.name = beforeZero(trimmed);
        return line;
    }
    line.name = beforeZero(trimIniBlanks(trimmed.substr(0, equals)));
    line.hasValue = true;
    std::size_t valueBegin = equals + 1;
    while (valueBegin < trimmed.size() && isBlank(trimmed[valueBegin]))
        ++valueBegin;
    line.valueBegin = start + valueBegin;
    line.valueEnd = start + valueBegin + beforeZero(trimmed.substr(valueBegin)).size();
    return line;
}

void IniDocument::reindex() {
    sections_.clear();
    firstSectionByName_.clear();
    sections_.push_back({std::string(), std::string::npos, 0, lines_.size()});
    firstSectionByName_.emplace(std::string(), 0);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Header)
            continue;
        sections_.back().end = i;
        sections_.push_back({lines_[i].name, i, i + 1, lines_.size()});
        firstSectionByName_.emplace(foldedName(lines_[i].name), sections_.size() - 1);
    }
}

const IniDocument::Section* IniDocument::firstSectionNamed(std::string_view name) const {
    const auto found = firstSectionByName_.find(foldedName(name));
    return found == firstSectionByName_.end() ? nullptr : &sections_[found->second];
}

const IniDocument::Section* IniDocument::firstSection(std::string_view name) const {
    return firstSectionNamed(trimIniBlanks(name));
}

std::size_t IniDocument::findEntry(const Section& section, std::string_view key) const {
    key = trimIniBlanks(key);
    for (std::size_t i = section.begin; i < section.end; ++i)
        if (lines_[i].kind == LineKind::Entry && iniNamesEqual(lines_[i].name, key))
            return i;
    return std::string::npos;
}

std::string IniDocument::text() const {
    std::string result;
    for (const Line& line : lines_) {
        result += line.text;
        result += line.ending;
    }
    return result;
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_)
        if (!section.name.empty())
            names.push_back(section.name);
    return names;
}

bool IniDocument::hasSection(std::string_view section) const {
    return firstSection(section) != nullptr;
}

std::vector<std::string> IniDocument::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Section* found = firstSectionNamed(section);
    if (!found)
        return names;
    for (std::size_t i = found->begin; i < found->end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Entry && line.hasValue && !line.name.empty() && !isComment(line.name))
            names.push_back(line.name);
    }
    return names;
}

std::optional<std::string> IniDocument::find(std::string_view section, std::string_view key) const {
    const Section* found = firstSection(section);
    if (!found)
        return std::nullopt;
    const std::size_t index = findEntry(*found, key);
    if (index == std::string::npos || !lines_[index].hasValue)
        return std::nullopt;
    const Line& line = lines_[index];
    return std::string(
        unquote(std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin)));
}

std::string IniDocument::value(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    auto found = find(section, key);
    return found ? std::move(*found) : std::string(fallback);
}

std::optional<std::string> IniDocument::entryName(std::size_t index) const {
    if (lines_[index].kind != LineKind::Entry)
        return std::nullopt;
    return lines_[index].name;
}

void IniDocument::insertLine(std::size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].ending.empty())
        lines_[index - 1].ending = lineBreak_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), makeLine(std::move(text), lineBreak_));
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    section = trimIniBlanks(section);
    key = trimIniBlanks(key);
    if (!canHoldKey(key) || !canHoldName(section))
        return false;
    const std::string stored = encodeIniValue(value);
    const Section* found = firstSection(section);
    if (!found) {
        insertLine(lines_.size(), "[" + std::string(section) + "]");
        insertLine(lines_.size(), std::string(key) + "=" + stored);
        reindex();
        return true;
    }
    const std::size_t index = findEntry(*found, key);
    if (index != std::string::npos) {
        Line& line = lines_[index];
        std::string text;
        if (line.hasValue) {
            if (std::string_view(line.text).substr(line.valueBegin, line.valueEnd - line.valueBegin) ==
                stored)
                return false;
            text = line.text.substr(0, line.valueBegin) + stored;
        } else {
            std::string_view kept = line.text;
            while (!kept.empty() && isBlank(kept.back()))
                kept.remove_suffix(1);
            text = std::string(kept) + "=" + stored;
        }
        line = makeLine(std::move(text), std::move(line.ending));
        return true;
    }
    // After the last key of the section, so comments and blank lines that lead into the next section stay
    // with it.
    std::size_t insertAt = found->begin;
    for (std::size_t i = found->begin; i < found->end; ++i)
        if (lines_[i].kind == LineKind::Entry && !isComment(lines_[i].name))
            insertAt = i + 1;
    insertLine(insertAt, std::string(key) + "=" + stored);
    reindex();
    return true;
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
    const Section* found = firstSection(section);
    if (!found)
        return false;
    const std::size_t index = findEntry(*found, key);
    if (index == std::string::npos)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    reindex();
    return true;
}

bool IniDocument::removeSection(std::string_view section) {
    const Section* found = firstSection(section);
    if (!found)
        return false;
    const std::size_t first = found->header == std::string::npos ? found->begin : found->header;
    if (first == found->end)
        return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(found->end));
    reindex();
    return true;
}

bool IniDocument::renameSection(std::string_view section, std::string_view newName) {
    section = trimIniBlanks(section);
    newName = trimIniBlanks(newName);
    if (newName.empty() || !canHoldName(newName) || newName.find(']') != std::string_view::npos)
        return false;
    bool renamed = false;
    for (Line& line : lines_) {
        if (line.kind != LineKind::Header || !iniNamesEqual(line.name, section))
            continue;
        // The name is the trimmed text between the first '[' and the last ']', up to a zero byte.
        const std::string_view text = line.text;
        const std::size_t open = text.find('[');
        const std::string_view inside = text.substr(open + 1, text.rfind(']') - open - 1);
        const std::string_view trimmed = trimIniBlanks(inside);
        const std::size_t at = static_cast<std::size_t>(trimmed.data() - text.data());
        std::string changed(text);
        changed.replace(at, beforeZero(trimmed).size(), newName);
        line = makeLine(std::move(changed), std::move(line.ending));
        renamed = true;
    }
    if (renamed)
        reindex();
    return renamed;
}

void IniDocument::removeLines(std::size_t first, std::size_t end) {
    end = std::min(end, lines_.size());
    if (first >= end)
        return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(end));
    reindex();
}

void IniDocument::appendLine(std::string text) {
    insertLine(lines_.size(), std::move(text));
    reindex();
}

} // namespace flickmark
