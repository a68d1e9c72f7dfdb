#include "app/command_line.h"

#include <algorithm>
#include <cctype>

namespace flickmark {
namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

CommandLineOptions parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLineOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (equalsIgnoringCase(arguments[i], "-data") && i + 1 < arguments.size()) {
            options.dataFolder = arguments[i + 1];
            ++i;
        }
    }
    return options;
}

} // namespace flickmark
