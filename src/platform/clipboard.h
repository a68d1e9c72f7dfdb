// Clipboard port: the text on the clipboard, and emptying it.
#pragma once

#include <string>

namespace flickmark {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The clipboard's text; "" when it holds none or cannot be opened.
    virtual std::string readText() = 0;
    // Returns false when the clipboard could not be opened or emptied.
    virtual bool clear() = 0;
};

} // namespace flickmark
