#include "actions/data_folder.h"

#include <cctype>
#include <vector>

namespace flickmark {
namespace {

bool isDelimiter(char c) {
    return c == '\\' || c == '/';
}

bool hasDrive(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool isUnc(std::string_view path) {
    return path.size() >= 2 && isDelimiter(path[0]) && isDelimiter(path[1]);
}

bool equalIgnoringCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

std::string toBackslashes(std::string_view path) {
    std::string result(path);
    for (char& c : result)
        if (c == '/')
            c = '\\';
    return result;
}

// Joins `path` to `base` by the rules of a Windows current directory.
std::string resolve(std::string_view path, std::string_view base) {
    if (isUnc(path) || (hasDrive(path) && path.size() >= 3 && isDelimiter(path[2])))
        return std::string(path);
    if (hasDrive(path)) { // "C:dir": relative to the current directory when that is on drive C
        if (hasDrive(base) && equalIgnoringCase(base[0], path[0]))
            return std::string(base) + "\\" + std::string(path.substr(2));
        return std::string(path.substr(0, 2)) + "\\" + std::string(path.substr(2));
    }
    if (!path.empty() && isDelimiter(path[0])) // "\dir": the root of the current directory's drive
        return hasDrive(base) ? std::string(base.substr(0, 2)) + std::string(path) : std::string(path);
    return std::string(base) + "\\" + std::string(path);
}

// Resolves "." and ".." and doubled delimiters, keeping the root ("C:\" or "\\server\share\"), and ends the
// result with '\'.
std::string normalizedFolder(std::string_view path) {
    const std::string text = toBackslashes(path);
    std::string root;
    std::size_t position = 0;
    std::size_t fixedSteps = 0; // steps that belong to the root and ".." cannot remove
    if (isUnc(text)) {
        root = "\\\\";
        position = 2;
        fixedSteps = 2;
    } else if (hasDrive(text)) {
        root = text.substr(0, 2) + "\\";
        position = 2;
    } else if (!text.empty() && text[0] == '\\') {
        root = "\\";
    }
    std::vector<std::string> steps;
    while (position < text.size()) {
        std::size_t next = text.find('\\', position);
        if (next == std::string::npos)
            next = text.size();
        std::string step = text.substr(position, next - position);
        position = next + 1;
        if (step.empty() || step == ".")
            continue;
        if (step == ".." && steps.size() > fixedSteps) {
            steps.pop_back();
            continue;
        }
        if (step == "..")
            continue;
        steps.push_back(std::move(step));
    }
    std::string result = root;
    for (const std::string& step : steps)
        result += step + "\\";
    return result;
}

bool isDataOption(std::string_view argument) {
    constexpr std::string_view kDataOption = "-data";
    if (argument.size() != kDataOption.size())
        return false;
    for (std::size_t i = 0; i < kDataOption.size(); ++i)
        if (!equalIgnoringCase(argument[i], kDataOption[i]))
            return false;
    return true;
}

} // namespace

std::string dataFolderFromCommandLine(std::string_view exeFolder, std::span<const std::string> arguments,
                                      std::string_view currentDirectory) {
    std::string chosen;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (isDataOption(arguments[i]) && !arguments[i + 1].empty())
            chosen = arguments[++i];
    if (chosen.empty())
        chosen = exeFolder.empty() ? std::string(currentDirectory) : std::string(exeFolder);
    return normalizedFolder(resolve(chosen, currentDirectory));
}

std::string executableFolder(std::string_view executablePath) {
    const std::size_t slash = executablePath.find_last_of("\\/");
    if (slash == std::string_view::npos)
        return {};
    const std::string_view folder = executablePath.substr(0, slash);
    const bool driveRoot = folder.size() == 2 && folder[1] == ':';
    return std::string(driveRoot ? executablePath.substr(0, slash + 1) : folder);
}

bool namesDataFolder(std::span<const std::string> arguments) {
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
        if (isDataOption(arguments[i]) && !arguments[i + 1].empty())
            return true;
    return false;
}

} // namespace flickmark
