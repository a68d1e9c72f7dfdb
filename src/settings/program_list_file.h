// A program list kept in a file of the data folder, one entry per line (program_list_entry.h).
//
// The file is the user's: an entry added or taken away changes that one line, written at once; every other
// line (comments, blank lines, lines no entry reads from) keeps its bytes, and the file keeps its encoding
// (ini_encoding.h). The list follows edits made to the file while the program runs: refresh() reads it
// again when it has changed on disk, and every change starts from what is on disk.
//
// A write that is refused is logged and loses nothing: the change stays in effect, is made again on top of
// what the file holds when it is read again, and is written with the next change or at exit. A file that
// exists but cannot be read is never written over.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"
#include "settings/ini_encoding.h"
#include "settings/program_list_entry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class ProgramListFile {
public:
    // Reads the file now. The references must outlive this object.
    ProgramListFile(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log, std::string path);

    const std::string& path() const { return path_; }
    // The file's name without its folder ("noright.ini").
    std::string fileName() const;

    // Reads the file again when its stamp shows a change since it was last read or written.
    void refresh();

    // The entries in file order.
    const std::vector<ProgramListEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    // The first entry that matches the window; null for none.
    const ProgramListEntry* match(const ProgramWindow& window) const;

    // Adds the entry as a new last line, unless the list holds it already (compared without regard to
    // case). Returns whether the list changed.
    bool add(const ProgramListEntry& entry);
    // Takes away every line holding this entry (compared without regard to case). Returns whether the list
    // changed.
    bool remove(const ProgramListEntry& entry);
    // Takes away the entries that name this window's program by its plain name, with no class or with the
    // window's class. Returns how many lines went.
    int removeNaming(const ProgramWindow& window);

    // Whether the file holds every change made here (false after a refused write, until one succeeds).
    bool saved() const { return pending_.empty(); }
    // At exit: a missing file is created empty; changes that could not be written are tried once more.
    // Returns false when a write was refused.
    bool saveAtExit();

private:
    struct Edit {
        bool add = true;
        ProgramListEntry entry;
    };

    void read();
    void parse();
    bool apply(const Edit& edit);
    bool write();

    FileSystem& files_;
    const TextCodePage& codePage_;
    DiagnosticLog& log_;
    std::string path_;
    DecodedIni text_;
    bool exists_ = false;
    bool unreadable_ = false;
    std::optional<std::uint64_t> stamp_; // of the file as last read or written
    std::vector<ProgramListEntry> entries_;
    std::vector<Edit> pending_; // made here, not yet in the file
};

} // namespace flickmark
