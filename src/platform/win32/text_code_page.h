// TextCodePage over WideCharToMultiByte and MultiByteToWideChar with the ANSI code page (CP_ACP).
#pragma once

#include "platform/text_code_page.h"

namespace flickmark {

class Win32TextCodePage final : public TextCodePage {
public:
    std::string narrow(std::u16string_view text) const override;
    std::u16string widen(std::string_view text) const override;
};

} // namespace flickmark
