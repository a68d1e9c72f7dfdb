// flickmark-replay: runs a recognizer trace on virtual time and prints what the recognizer hands over.
// Exit codes: 0 done, 2 usage error or malformed trace ("file:line: message" on stderr).

#include "replay_run.h"
#include "trace.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr int kExitBadInput = 2;

// The files of a data folder by name; a folder that cannot be read is reported on stderr.
std::optional<std::map<std::string, std::string>> readDataFolder(const std::string& folder) {
    std::error_code error;
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        std::ostringstream text;
        if (!file || !(text << file.rdbuf())) {
            std::cerr << "flickmark-replay: cannot read '" << entry.path().string() << "'\n";
            return std::nullopt;
        }
        files[entry.path().filename().string()] = text.str();
    }
    if (error) {
        std::cerr << "flickmark-replay: cannot read the data folder '" << folder << "': " << error.message()
                  << "\n";
        return std::nullopt;
    }
    return files;
}

int usage() {
    std::cerr << "usage: flickmark-replay [--log] [--data DIR] TRACE\n"
                 "  --log        also print each diagnostic log line as 'T log MESSAGE'\n"
                 "  --data DIR   look each gesture up in the gesture files of DIR and print what would run:\n"
                 "               'T run keystrokes DISPLAY', 'T run program COMMANDLINE' or 'T nomatch'\n";
    return kExitBadInput;
}

} // namespace

namespace {

int replay(int argc, char** argv) {
    flickmark::ReplayOptions options;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--log") {
            options.log = true;
        } else if (arg == "--data") {
            if (i + 1 >= argc)
                return usage();
            auto files = readDataFolder(argv[++i]);
            if (!files)
                return kExitBadInput;
            options.dataFiles = std::move(*files);
        } else {
            // One trace, or "-" for standard input; any other option is unknown.
            const bool option = arg.starts_with("-") && arg != "-";
            if (option || !path.empty())
                return usage();
            path = arg;
        }
    }
    if (path.empty())
        return usage();

    std::ostringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream file(path, std::ios::binary);
        if (!file || !(text << file.rdbuf())) {
            std::cerr << "flickmark-replay: cannot read '" << path << "'\n";
            return kExitBadInput;
        }
    }

    const auto parsed = flickmark::parseTrace(text.str());
    if (const auto* error = std::get_if<flickmark::TraceError>(&parsed)) {
        std::cerr << path << ":" << error->line << ": " << error->message << "\n";
        return kExitBadInput;
    }
    flickmark::replayTrace(std::get<flickmark::Trace>(parsed), options, std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // What cannot be done (no memory, a failed write) ends the tool with a message, never with an exception.
    try {
        return replay(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "flickmark-replay: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "flickmark-replay: failed\n";
    }
    return kExitBadInput;
}
