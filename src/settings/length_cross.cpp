#include "settings/length_cross.h"

namespace flickmark {

LengthCross lengthCross(int width, int height, int horizontalLength, int verticalLength) {
    const int centreX = width / 2;
    const int centreY = height / 2;
    return LengthCross{
        Point{centreX, centreY - verticalLength / 2},
        Point{centreX, centreY + verticalLength / 2},
        Point{centreX - horizontalLength / 2, centreY},
        Point{centreX + horizontalLength / 2, centreY},
    };
}

} // namespace flickmark
