// The preview of the two minimum lengths: a cross centred in the preview, its vertical bar as long as the
// vertical minimum and its horizontal bar as long as the horizontal one, so both show to scale.
#pragma once

#include "base/geometry.h"

namespace flickmark {

struct LengthCross {
    Point verticalFrom;
    Point verticalTo;
    Point horizontalFrom;
    Point horizontalTo;
    friend bool operator==(const LengthCross&, const LengthCross&) = default;
};

// For a preview of width x height pixels. Every half is truncated towards zero, so an odd length draws one
// pixel shorter; a bar longer than the preview reaches past its edges (the drawing clips it).
LengthCross lengthCross(int width, int height, int horizontalLength, int verticalLength);

} // namespace flickmark
