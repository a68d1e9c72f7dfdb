// The scratchpad window's visibility, which an action may change and the lookup gives back.
#pragma once

namespace flickmark {

class ScratchpadVisibility {
public:
    virtual ~ScratchpadVisibility() = default;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

} // namespace flickmark
