#include "settings/program_list_file.h"

#include "base/ascii_text.h"

#include <utility>

namespace flickmark {
namespace {

bool sameEntry(const ProgramListEntry& a, const ProgramListEntry& b) {
    return equalsIgnoringAsciiCase(a.program, b.program) &&
           equalsIgnoringAsciiCase(a.windowClass, b.windowClass);
}

} // namespace

ProgramListFile::ProgramListFile(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                                 std::string path)
    : files_(files), codePage_(codePage), log_(log), path_(std::move(path)) {
    read();
}

std::string ProgramListFile::fileName() const {
    const std::size_t delimiter = path_.find_last_of("\\/");
    return delimiter == std::string::npos ? path_ : path_.substr(delimiter + 1);
}

void ProgramListFile::read() {
    stamp_ = files_.modificationStamp(path_);
    const std::optional<std::string> bytes = files_.readFile(path_);
    exists_ = bytes.has_value() || files_.fileExists(path_);
    const bool wasUnreadable = unreadable_;
    unreadable_ = !bytes && exists_;
    if (unreadable_) {
        // What is known stays in effect; the file is read again once it changes.
        if (!wasUnreadable)
            log_.append("Unable to read " + path_);
        return;
    }
    text_ = decodeIni(bytes.value_or(std::string()), codePage_);
    for (const Edit& edit : pending_)
        apply(edit);
    parse();
}

void ProgramListFile::refresh() {
    if (files_.modificationStamp(path_) != stamp_)
        read();
}

void ProgramListFile::parse() {
    entries_.clear();
    const IniDocument& document = text_.document;
    for (std::size_t line = 0; line < document.lineCount(); ++line)
        if (auto entry = parseProgramListEntry(document.lineText(line)))
            entries_.push_back(std::move(*entry));
}

const ProgramListEntry* ProgramListFile::match(const ProgramWindow& window) const {
    for (const ProgramListEntry& entry : entries_)
        if (entry.matches(window))
            return &entry;
    return nullptr;
}

bool ProgramListFile::apply(const Edit& edit) {
    IniDocument& document = text_.document;
    const auto holdsEntry = [&](std::size_t line) {
        const auto entry = parseProgramListEntry(document.lineText(line));
        return entry && sameEntry(*entry, edit.entry);
    };
    if (edit.add) {
        for (std::size_t line = 0; line < document.lineCount(); ++line)
            if (holdsEntry(line))
                return false;
        document.appendLine(edit.entry.text());
        return true;
    }
    bool removed = false;
    for (std::size_t line = document.lineCount(); line-- > 0;) {
        if (holdsEntry(line)) {
            document.removeLines(line, line + 1);
            removed = true;
        }
    }
    return removed;
}

bool ProgramListFile::add(const ProgramListEntry& entry) {
    refresh();
    const Edit edit{true, entry};
    if (!apply(edit))
        return false;
    pending_.push_back(edit);
    parse();
    write();
    return true;
}

bool ProgramListFile::remove(const ProgramListEntry& entry) {
    refresh();
    const Edit edit{false, entry};
    if (!apply(edit))
        return false;
    pending_.push_back(edit);
    parse();
    write();
    return true;
}

int ProgramListFile::removeNaming(const ProgramWindow& window) {
    refresh();
    std::vector<ProgramListEntry> naming;
    for (const ProgramListEntry& entry : entries_)
        if (!entry.program.empty() && entry.program.find_first_of("*?") == std::string::npos &&
            equalsIgnoringAsciiCase(entry.program, window.exeName) && entry.matches(window))
            naming.push_back(entry);
    int removed = 0;
    for (const ProgramListEntry& entry : naming)
        if (remove(entry))
            ++removed;
    return removed;
}

bool ProgramListFile::write() {
    if (unreadable_) {
        log_.append(path_ +
                    " could not be read, so it is not written; the change applies until Flickmark ends");
        return false;
    }
    if (!files_.writeFileAtomically(path_, encodeIni(text_.document, text_.encoding, codePage_))) {
        log_.append("Unable to write to " + path_ + "; the change applies until Flickmark ends");
        return false;
    }
    pending_.clear();
    exists_ = true;
    stamp_ = files_.modificationStamp(path_);
    return true;
}

bool ProgramListFile::saveAtExit() {
    refresh();
    if (!pending_.empty())
        return write();
    if (exists_ || unreadable_)
        return true;
    return write();
}

} // namespace flickmark
