// The bytes of a file saved as UTF-16 with its byte-order mark, as an editor saves it.
#pragma once

#include <string>
#include <string_view>

namespace flickmark {

inline std::string utf16Bytes(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : text) {
        const char low = static_cast<char>(c & 0xFF);
        const char high = static_cast<char>(c >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

} // namespace flickmark
