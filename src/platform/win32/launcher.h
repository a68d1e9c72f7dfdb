// Launcher over ExpandEnvironmentStringsW, CreateProcessW and ShellExecuteW; App Paths from the registry.
#pragma once

#include "platform/launcher.h"

namespace flickmark {

class Win32Launcher final : public Launcher {
public:
    std::optional<std::string> expandEnvironment(const std::string& text) override;
    ProcessStart createProcess(const std::string& commandLine, std::uint32_t creationFlags) override;
    std::intptr_t shellExecute(WindowId owner, const std::string& file) override;
    std::optional<std::string> registeredProgram(const std::string& exeName) override;
    std::vector<std::string> programFolders() override;
    bool isFile(const std::string& path) override;
};

} // namespace flickmark
