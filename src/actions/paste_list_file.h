// The keystroke sender's list file "exepaste.ini": read when the sender is created and written back,
// unchanged, when it ends (an empty file is created when none existed; a file that exists but cannot be
// read is left alone).
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

    // Writes the file back now; later calls and the destructor do nothing more. A refused write is logged
    // as "Unable to write to " + the path and the old file is kept.
    bool save();

private:
    FileSystem& files_;
    DiagnosticLog& log_;
    std::string path_;
    std::string contents_;
    bool saved_ = false;
};

} // namespace flickmark
