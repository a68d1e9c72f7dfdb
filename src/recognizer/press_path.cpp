#include "recognizer/press_path.h"

#include "recognizer/stroke_math.h"

namespace flickmark {

void PressPath::add(Point cursor) {
    if (count_ > 0) {
        const Point last = points_[count_ - 1];
        if (absDiff(last.x, cursor.x) < kJitterStep && absDiff(last.y, cursor.y) < kJitterStep)
            return;
    }
    if (count_ == kCapacity)
        thin();
    points_[count_++] = cursor;
}

// Keeps every second point, starting with the first, and the newest: it may be a corner the point being
// added turns from.
void PressPath::thin() {
    const Point newest = points_[count_ - 1];
    std::size_t kept = 1;
    for (std::size_t i = 2; i + 1 < count_; i += 2)
        points_[kept++] = points_[i];
    points_[kept++] = newest;
    count_ = kept;
}

} // namespace flickmark
