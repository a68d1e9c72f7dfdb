#include "app/line_list_file.h"

#include <utility>

namespace flickmark {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

LineListFile::LineListFile(FileSystem& files, DiagnosticLog& log, std::string path)
    : files_(files), log_(log), path_(std::move(path)) {
    readAtStart_ = files_.readFile(path_);
    if (readAtStart_) {
        lines_ = splitLines(*readAtStart_);
    } else if (files_.fileExists(path_)) {
        log_.append("Unable to read " + path_);
        unreadable_ = true;
    }
}

bool LineListFile::save() {
    if (saved_ || unreadable_)
        return true;
    saved_ = true;
    const std::optional<std::string> onDisk = files_.readFile(path_);
    if (!onDisk && files_.fileExists(path_))
        return true; // cannot be compared now: left as it is
    if (onDisk && onDisk != readAtStart_) {
        log_.append(path_ + " changed while the program ran; it is kept as it is");
        return true;
    }
    const std::string text = joinLines(lines_);
    if (onDisk == text)
        return true;
    if (files_.writeFileAtomically(path_, text))
        return true;
    log_.append("Unable to write to " + path_);
    return false;
}

} // namespace flickmark
