// The Windows-1252 code page (Western European), as the ANSI code page of the tests. Unlike the system's
// conversion it has no best-fit mappings: every character outside the code page becomes '?'.
#pragma once

#include "platform/text_code_page.h"

namespace flickmark {

class Windows1252CodePage final : public TextCodePage {
public:
    std::string narrow(std::u16string_view text) const override;
    std::u16string widen(std::string_view text) const override;
};

} // namespace flickmark
