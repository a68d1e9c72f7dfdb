#include "platform/text_code_page.h"

#include "base/unicode_text.h"

namespace flickmark {

std::string utf8FromCodePage(std::string_view bytes, const TextCodePage& codePage) {
    return utf8FromUtf16(codePage.widen(bytes));
}

std::optional<std::string> codePageFromUtf8Exactly(std::string_view text, const TextCodePage& codePage) {
    const std::u16string wide = utf16FromUtf8(text);
    std::string bytes = codePage.narrow(wide);
    // The round trip catches both the default character and a look-alike.
    if (codePage.widen(bytes) != wide)
        return std::nullopt;
    return bytes;
}

} // namespace flickmark
