// flickmark-replay: runs a recognizer trace on virtual time and prints what the recognizer hands over.
// Exit codes: 0 done, 2 usage error or malformed trace ("file:line: message" on stderr).

#include "replay_run.h"
#include "trace.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr int kExitBadInput = 2;

int usage() {
    std::cerr << "usage: flickmark-replay [--log] TRACE\n"
                 "  --log   also print each diagnostic log line as 'T log MESSAGE'\n";
    return kExitBadInput;
}

} // namespace

int main(int argc, char** argv) {
    flickmark::ReplayOptions options;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--log")
            options.log = true;
        else if (arg.starts_with("-") && arg != "-")
            return usage();
        else if (path.empty())
            path = arg;
        else
            return usage();
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
