#include "base/access_keys.h"

namespace flickmark {

std::string withoutAccessKeys(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        shown += c;
        if (c == '&')
            shown += '&';
    }
    return shown;
}

std::string withAccessKey(std::string_view text, int accessKey) {
    if (accessKey < 0 || static_cast<std::size_t>(accessKey) >= text.size())
        return withoutAccessKeys(text);
    const auto at = static_cast<std::size_t>(accessKey);
    return withoutAccessKeys(text.substr(0, at)) + '&' + withoutAccessKeys(text.substr(at));
}

} // namespace flickmark
