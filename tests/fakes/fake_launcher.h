// A launcher that records what it was asked to start. Environment references expand from a table (names
// as written in the text); results of the shell and of process creation are set by the test.
#pragma once

#include "platform/launcher.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace flickmark {

class FakeLauncher final : public Launcher {
public:
    struct ShellCall {
        WindowId owner = 0;
        std::string file;
        friend bool operator==(const ShellCall&, const ShellCall&) = default;
    };
    struct ProcessCall {
        std::string commandLine;
        std::uint32_t flags = 0;
        friend bool operator==(const ProcessCall&, const ProcessCall&) = default;
    };

    std::optional<std::string> expandEnvironment(const std::string& text) override {
        if (refuseExpansion)
            return std::nullopt;
        std::string out = text;
        for (const auto& [name, value] : environment) {
            const std::string reference = "%" + name + "%";
            for (std::size_t at = out.find(reference); at != std::string::npos;
                 at = out.find(reference, at + value.size()))
                out.replace(at, reference.size(), value);
        }
        return out;
    }
    ProcessStart createProcess(const std::string& commandLine, std::uint32_t creationFlags) override {
        processCalls.push_back({commandLine, creationFlags});
        return processResult;
    }
    std::intptr_t shellExecute(WindowId owner, const std::string& file) override {
        shellCalls.push_back({owner, file});
        return shellResult;
    }

    std::optional<std::string> registeredProgram(const std::string& exeName) override {
        const auto found = appPaths.find(exeName);
        return found == appPaths.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    std::vector<std::string> programFolders() override { return folders; }
    bool isFile(const std::string& path) override { return files.contains(path); }

    std::map<std::string, std::string> environment;
    std::map<std::string, std::string> appPaths; // exe name -> registered program
    std::vector<std::string> folders{"C:\\windows\\system32", "C:\\windows", "C:\\Tools"};
    std::set<std::string> files{"C:\\windows\\system32\\notepad.exe", "C:\\Tools\\app.exe",
                                "C:\\Tools\\x.exe"};
    bool refuseExpansion = false;
    std::intptr_t shellResult = 42;
    ProcessStart processResult{true, 0};

    std::vector<ShellCall> shellCalls;
    std::vector<ProcessCall> processCalls;
};

} // namespace flickmark
