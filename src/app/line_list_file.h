// A list of lines kept in a data file ("disabled.ini", "noright.ini"): read when the program starts and
// written back when it ends, each line followed by CR LF. Nothing changes the lists in between, so writing
// back matters only for a file that is missing (it is created, empty when none existed at start) or one
// whose line ends differ.
//
// A file is never written over when it changed on disk since it was read (an edit made while the program
// ran is kept), nor when it could not be read. A file that is already as it would be written is left alone.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

inline constexpr const char* kDisabledListFileName = "disabled.ini";
inline constexpr const char* kNoRightClickListFileName = "noright.ini";

// CR LF, CR and LF each end a line; a last line without an end is still a line.
std::vector<std::string> splitLines(std::string_view text);
// Each line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

class LineListFile {
public:
    // Reads the file now. The references must outlive this object.
    LineListFile(FileSystem& files, DiagnosticLog& log, std::string path);

    const std::string& path() const { return path_; }
    const std::vector<std::string>& lines() const { return lines_; }

    // Writes the lines back if the rules above allow it (once; later calls do nothing). Returns false only
    // when a write was refused, which is logged as "Unable to write to " + path.
    bool save();

private:
    FileSystem& files_;
    DiagnosticLog& log_;
    std::string path_;
    std::optional<std::string> readAtStart_; // none: the file was missing
    std::vector<std::string> lines_;
    bool unreadable_ = false;
    bool saved_ = false;
};

} // namespace flickmark
