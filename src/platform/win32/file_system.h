// The file system port over Win32 file calls. Paths reach the system as
// UTF-16 (the wide calls), so any folder or file name works, and long ones in their extended form, so that
// no length below the system's own limit of about 32,000 characters fails.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"
#include "platform/win32/clock.h"
#include "platform/win32/unique_handle.h"

namespace flickmark {

class Win32FileSystem final : public FileSystem {
public:
    // When a log is given, every failing call other than "file not found" leaves one line there with the
    // call, its error code and the path.
    explicit Win32FileSystem(DiagnosticLog* log = nullptr) : log_(log) {}

    std::optional<std::string> readFile(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::uint64_t> modificationStamp(const std::string& path) override;
    // A temporary file beside the target, written and flushed, then moved over the target with
    // MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH; removed again when any step fails. A target that
    // another program holds open (a virus scanner, a sync tool) is tried again for about a second; a
    // read-only target refuses the replacement at once. Temporary files that killed saves left in the
    // folder are removed first. A path that leads through a symbolic link saves the file the link points to,
    // beside that file; the link stays.
    bool writeFileAtomically(const std::string& path, std::string_view contents) override;
    bool removeFile(const std::string& path) override;
    FolderCreation createFolder(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) override;

private:
    // Creates a new temporary file for a save of `target` and names it in `name`; invalid when refused.
    win32::UniqueHandle createTemporaryFile(const std::string& target, std::string& name);
    void removeSaveLeftovers(const std::string& folder);
    void logFailure(const char* call, const std::string& path, unsigned long error) const;

    DiagnosticLog* log_;
    Win32Clock clock_; // the waits between tries of a busy replace
};

} // namespace flickmark
