// A clipboard holding one text, counting reads and clears.
#pragma once

#include "platform/clipboard.h"

#include <string>

namespace flickmark {

class FakeClipboard final : public Clipboard {
public:
    std::string readText() override {
        ++reads;
        return text;
    }
    bool clear() override {
        ++clears;
        text.clear();
        return true;
    }

    std::string text;
    int reads = 0;
    int clears = 0;
};

} // namespace flickmark
