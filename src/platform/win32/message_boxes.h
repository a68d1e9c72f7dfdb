// MessageBoxes as a message box, held as one of the program's nested loops.
#pragma once

#include "platform/message_boxes.h"
#include "platform/nested_loop.h"

namespace flickmark {

class Win32MessageBoxes final : public MessageBoxes {
public:
    // The references must outlive this object.
    explicit Win32MessageBoxes(NestedLoops& loops) : loops_(loops) {}

    void warn(const std::string& text) override;
    void inform(const std::string& text) override;

private:
    void show(const std::string& text, unsigned int icon);

    NestedLoops& loops_;
};

} // namespace flickmark
