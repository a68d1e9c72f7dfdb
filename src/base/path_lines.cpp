#include "base/path_lines.h"

namespace flickmark {
namespace {

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string pathInLines(std::string_view path, std::size_t width) {
    std::string lines;
    while (path.size() > width && width > 0) {
        // The last delimiter that ends a full line; else the line is broken where it is full.
        std::size_t cut = path.find_last_of("\\/", width - 1);
        if (cut == std::string_view::npos || cut == 0) {
            cut = width - 1;
            while (cut > 0 && continuesCharacter(path[cut + 1 < path.size() ? cut + 1 : cut]))
                --cut;
        }
        lines.append(path.substr(0, cut + 1));
        lines += '\n';
        path.remove_prefix(cut + 1);
    }
    lines.append(path);
    return lines;
}

} // namespace flickmark
