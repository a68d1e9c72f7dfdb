// Clipboard over the Win32 clipboard, text as CF_UNICODETEXT.
#pragma once

#include "platform/clipboard.h"

namespace flickmark {

class Win32Clipboard final : public Clipboard {
public:
    std::string readText() override;
    bool clear() override;
};

} // namespace flickmark
