// The keystroke sender's list file "exepaste.ini": read when the sender is created and written back when
// it ends. Nothing changes the list in between, so writing it back only matters when the file has gone:
// a missing file is created (empty when none existed at start), and a file that exists at the end is
// never overwritten, so an edit made while the program runs is kept (as is a file that could not be read).
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"

#include <string>

namespace flickmark {

inline constexpr const char* kPasteListFileName = "exepaste.ini";

class PasteListFile {
public:
    // `dataFolder` ends with a path delimiter or is empty. `files` and `log` must outlive this object.
    PasteListFile(FileSystem& files, DiagnosticLog& log, const std::string& dataFolder);
    ~PasteListFile();
    PasteListFile(const PasteListFile&) = delete;
    PasteListFile& operator=(const PasteListFile&) = delete;

    const std::string& path() const { return path_; }
    const std::string& contents() const { return contents_; }

    // Writes the file back now if it is missing; later calls and the destructor do nothing more. A refused
    // write is logged as "Unable to write to " + the path.
    bool save();

private:
    FileSystem& files_;
    DiagnosticLog& log_;
    std::string path_;
    std::string contents_;
    bool saved_ = false;
};

} // namespace flickmark
