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

// Keeps every second point, starting with the first; the point being added follows them.
void PressPath::thin() {
    std::size_t kept = 1;
    for (std::size_t i = 2; i < count_; i += 2)
        points_[kept++] = points_[i];
    count_ = kept;
}

} // namespace flickmark
