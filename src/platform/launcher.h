// Launcher port: environment expansion and the two ways of starting something.
#pragma once

#include "platform/desktop.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

namespace creation_flags {
constexpr std::uint32_t kNormalPriority = 0x20;   // NORMAL_PRIORITY_CLASS
constexpr std::uint32_t kNewProcessGroup = 0x200; // CREATE_NEW_PROCESS_GROUP
} // namespace creation_flags

struct ProcessStart {
    bool started = false;
    // The system error code when not started; never 0 then.
    std::uint32_t error = 0;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    // `text` with every %NAME% reference of a defined variable replaced, whatever the length of the result;
    // unknown variables stay as written. nullopt when the system refuses the expansion.
    virtual std::optional<std::string> expandEnvironment(const std::string& text) = 0;
    // Starts `commandLine` as a new process (no application name, no inherited handles, own environment and
    // current directory) without waiting for it.
    virtual ProcessStart createProcess(const std::string& commandLine, std::uint32_t creationFlags) = 0;
    // Opens a program, document or folder with its default verb, shown normally. Values above 32 mean
    // success; others are the shell's error codes (2 file not found, 31 no association, ...).
    virtual std::intptr_t shellExecute(WindowId owner, const std::string& file) = 0;

    // Where a program named without a folder is looked for. The program App Paths registers for an exe name
    // ("notepad.exe"), the user's registration first, its environment references expanded; nothing when
    // none is registered.
    virtual std::optional<std::string> registeredProgram(const std::string& exeName) = 0;
    // The folders searched after App Paths, in order: the system folder, the Windows folder, then the
    // absolute folders of PATH.
    virtual std::vector<std::string> programFolders() = 0;
    // Whether a file (not a folder) exists at the path.
    virtual bool isFile(const std::string& path) = 0;
};

} // namespace flickmark
