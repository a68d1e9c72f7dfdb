// Launcher over ExpandEnvironmentStringsW, CreateProcessW and ShellExecuteW.
#pragma once

#include "platform/launcher.h"

namespace flickmark {

class Win32Launcher final : public Launcher {
public:
    std::optional<std::string> expandEnvironment(const std::string& text) override;
    ProcessStart createProcess(const std::string& commandLine, std::uint32_t creationFlags) override;
    std::intptr_t shellExecute(WindowId owner, const std::string& file) override;
};

} // namespace flickmark
