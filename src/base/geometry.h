// Screen geometry shared by every area: pixels, y growing downwards.
#pragma once

namespace flickmark {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Half-open on the right and bottom: a point at x == right lies outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace flickmark
