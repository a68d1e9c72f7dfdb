// The program's command line. The only option is "-data DIR" (the folder of the data files); anything
// else is ignored, so that a start with unknown arguments still works.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

struct CommandLineOptions {
    std::optional<std::string> dataFolder;
};

// `arguments` excludes the program name. The option name is matched ignoring case; a "-data" without a
// following value is ignored; when "-data" is given more than once, the last one counts.
CommandLineOptions parseCommandLine(const std::vector<std::string>& arguments);

} // namespace flickmark
