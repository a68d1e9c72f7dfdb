// The file system port over Win32 file calls. Paths are 8-bit text in the system code page.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"

namespace flickmark {

class Win32FileSystem final : public FileSystem {
public:
    // When a log is given, every failing call other than "file not found" leaves one line there with the
    // call, its error code and the path.
    explicit Win32FileSystem(DiagnosticLog* log = nullptr) : log_(log) {}

    std::optional<std::string> readFile(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    // Temporary file from GetTempFileNameA in the target's folder, written and flushed, then moved over the
    // target with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH; removed again when any step fails.
    // A read-only target refuses the replacement.
    bool writeFileAtomically(const std::string& path, std::string_view contents) override;
    bool removeFile(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override;

private:
    void logFailure(const char* call, const std::string& path, unsigned long error) const;

    DiagnosticLog* log_;
};

} // namespace flickmark
