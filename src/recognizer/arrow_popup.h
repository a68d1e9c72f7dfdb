// What the recognizer needs of its arrow popup: one picture near the cursor, never activated.
#pragma once

#include "base/direction.h"
#include "base/geometry.h"

namespace flickmark {

class ArrowPopup {
public:
    virtual ~ArrowPopup() = default;
    // Shows the arrow of a direction with its top-left corner near `at`; does nothing while showing.
    virtual void showArrow(Direction direction, Point at) = 0;
    virtual void hide() = 0;
    virtual bool isShowing() const = 0;
    // The position of the last show (kept after a hide), so the next arrow appears in the same place.
    virtual Point position() const = 0;
};

} // namespace flickmark
