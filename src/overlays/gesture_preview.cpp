#include "overlays/gesture_preview.h"

#include "base/direction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace flickmark {
namespace {

// The measuring walk: a fixed step and shift in abstract units. Only the size of the box it covers
// matters; it tells how many steps the path spans. The box is widened on every side before it is measured.
constexpr int kMeasureStep = 50;
constexpr int kMeasureShift = 8;
constexpr int kMeasureBoxWidening = 4;

// Pixel amounts at 96 DPI; they grow with the picture's DPI scale.
constexpr double kShiftLogical = 8;
constexpr double kDotHalfLogical = 2;
constexpr double kMarginLogical = 25; // both ends of an axis together

// While the shift keeps its size, a stroke is never shortened below this many shifts: below it the side-by-
// side strokes would stand further apart than they are long.
constexpr int kShortestStepInShifts = 2;

constexpr double kSmallestScale = 0.25;
constexpr double kLargestScale = 8.0;

struct Move {
    int dx;
    int dy;
};
// Indexed by direction code: Up, Down, Left, Right, NE, NW, SE, SW.
constexpr std::array<Move, 8> kMoves = {
    {{0, -1}, {0, 1}, {-1, 0}, {1, 0}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}}};

bool isVertical(Direction d) {
    return d == dir::Up || d == dir::Down;
}

bool isHorizontal(Direction d) {
    return d == dir::Left || d == dir::Right;
}

// Nearest integer; halves go to the even neighbour in the default rounding mode, which the program keeps.
long long nearest(double v) {
    return static_cast<long long>(std::nearbyint(v));
}

// A coordinate of a path vertex as whole steps plus whole shifts from the start.
struct Term {
    long long steps = 0;
    long long shifts = 0;
    long long at(int step, int shift) const { return steps * step + shifts * shift; }
};

struct Vertex {
    Term x;
    Term y;
    bool segmentEnd = false; // false for the start and for the corner of a joining line
};

// The start, then per code an optional joining corner and the segment's end.
std::vector<Vertex> walk(std::string_view gesture) {
    std::vector<Vertex> path(1);
    Direction previous = dir::None;
    for (const char c : gesture) {
        if (c < '0' || c > '7')
            continue;
        const auto code = static_cast<Direction>(c - '0');
        Vertex next = path.back();
        if (isVertical(previous) && isVertical(code)) {
            ++next.x.shifts;
            next.segmentEnd = false;
            path.push_back(next);
        } else if (isHorizontal(previous) && isHorizontal(code)) {
            ++next.y.shifts;
            next.segmentEnd = false;
            path.push_back(next);
        }
        next.x.steps += kMoves[code].dx;
        next.y.steps += kMoves[code].dy;
        next.segmentEnd = true;
        path.push_back(next);
        previous = code;
    }
    return path;
}

struct Span {
    long long low = 0;
    long long high = 0;
    long long size() const { return high - low; }
};

// One axis of a path, reduced to what its extent depends on: for every step count the path reaches, the
// fewest and the most shifts it has there. Measuring it costs as many operations as the path spans steps,
// however long the path is.
class AxisProfile {
public:
    AxisProfile(const std::vector<Vertex>& path, Term Vertex::*axis) {
        for (const Vertex& v : path) {
            const Term t = v.*axis;
            const auto [entry, added] = shiftsAtStep_.try_emplace(t.steps, Span{t.shifts, t.shifts});
            if (!added) {
                entry->second.low = std::min(entry->second.low, t.shifts);
                entry->second.high = std::max(entry->second.high, t.shifts);
            }
        }
    }

    // The lowest and highest coordinate of the path (the start is at 0), for a shift of at least 1.
    Span span(int step, int shift) const {
        Span span;
        for (const auto& [steps, shifts] : shiftsAtStep_) {
            span.low = std::min(span.low, Term{steps, shifts.low}.at(step, shift));
            span.high = std::max(span.high, Term{steps, shifts.high}.at(step, shift));
        }
        return span;
    }

    // No longer step fits into `room` with `shift`: each pixel of step widens the span by the range of step
    // counts, and the shifts can take back at most their own range.
    long long longestStepWithin(double room, int shift) const {
        const long long stepRange = shiftsAtStep_.rbegin()->first - shiftsAtStep_.begin()->first;
        if (stepRange == 0)
            return std::numeric_limits<long long>::max();
        const double shiftRange = static_cast<double>(allShifts().size());
        return static_cast<long long>((room + shiftRange * shift) / static_cast<double>(stepRange));
    }

private:
    Span allShifts() const {
        Span all{shiftsAtStep_.begin()->second.low, shiftsAtStep_.begin()->second.high};
        for (const auto& [steps, shifts] : shiftsAtStep_) {
            all.low = std::min(all.low, shifts.low);
            all.high = std::max(all.high, shifts.high);
        }
        return all;
    }

    std::map<long long, Span> shiftsAtStep_;
};

// Room for the path on one axis: the picture less the margin, but the margin never takes more than half.
double roomFor(int side, double margin) {
    return std::max(side - margin, side / 2.0);
}

int toInt(long long v) {
    return static_cast<int>(v);
}

} // namespace

GesturePreview layoutGesturePreview(std::string_view gesture, int width, int height, double scale) {
    GesturePreview preview;
    preview.width = std::max(0, width);
    preview.height = std::max(0, height);
    preview.scale = std::isfinite(scale) ? std::clamp(scale, kSmallestScale, kLargestScale) : 1.0;
    const std::vector<Vertex> path = walk(gesture);
    if (path.size() < 2 || width <= 0 || height <= 0)
        return preview;

    const AxisProfile axisX(path, &Vertex::x);
    const AxisProfile axisY(path, &Vertex::y);

    // How many steps the path spans, from the measuring walk. A path has at least one step.
    const long long boxSide = std::max(axisX.span(kMeasureStep, kMeasureShift).size(),
                                       axisY.span(kMeasureStep, kMeasureShift).size()) +
                              2 * kMeasureBoxWidening;
    const long long steps = std::max(1LL, nearest(static_cast<double>(boxSide) / kMeasureStep));

    const double margin = kMarginLogical * preview.scale;
    const double roomX = roomFor(width, margin);
    const double roomY = roomFor(height, margin);
    int shift = std::max(1, toInt(nearest(kShiftLogical * preview.scale)));
    int step = std::max(1, toInt(nearest(std::max(roomX, roomY) / static_cast<double>(steps)) - 1));

    // The step above measures the larger side only; the path must also fit the other one, and the
    // measured step count is only an estimate.
    const auto fits = [&](int s, int h) {
        return static_cast<double>(axisX.span(s, h).size()) <= roomX &&
               static_cast<double>(axisY.span(s, h).size()) <= roomY;
    };
    // The longest step from `shortest` to `longest` with which the path fits; 0 when there is none.
    const auto longestFitting = [&](int h, int shortest, int longest) {
        const long long from = std::min({static_cast<long long>(longest), axisX.longestStepWithin(roomX, h),
                                         axisY.longestStepWithin(roomY, h)});
        for (long long s = from; s >= shortest; --s) {
            if (fits(static_cast<int>(s), h))
                return static_cast<int>(s);
        }
        return 0;
    };
    if (!fits(step, shift)) {
        const int measured = step;
        step = longestFitting(shift, kShortestStepInShifts * shift, measured);
        if (step == 0) {
            // Even short strokes do not fit beside each other: the shift shrinks as much as the path must,
            // then the step takes what room is left.
            double factor = 1.0;
            const long long sizeX = axisX.span(measured, shift).size();
            const long long sizeY = axisY.span(measured, shift).size();
            if (sizeX > 0)
                factor = std::min(factor, roomX / static_cast<double>(sizeX));
            if (sizeY > 0)
                factor = std::min(factor, roomY / static_cast<double>(sizeY));
            shift = std::max(1, static_cast<int>(shift * factor));
            step = std::max(1, longestFitting(shift, 1, measured));
        }
    }
    preview.step = step;
    preview.shift = shift;

    // Centre the path; what still does not fit (a long path in a tiny picture) is held at the edges.
    const Span spanX = axisX.span(step, shift);
    const Span spanY = axisY.span(step, shift);
    const long long originX = (width - 1 - spanX.size()) / 2 - spanX.low;
    const long long originY = (height - 1 - spanY.size()) / 2 - spanY.low;
    const auto place = [&](const Vertex& v) {
        return Point{toInt(std::clamp(originX + v.x.at(step, shift), 0LL, width - 1LL)),
                     toInt(std::clamp(originY + v.y.at(step, shift), 0LL, height - 1LL))};
    };
    const int dotHalf = std::max(1, toInt(nearest(kDotHalfLogical * preview.scale)));

    preview.start = place(path.front());
    Point from = preview.start;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Point to = place(path[i]);
        preview.lines.push_back(PreviewLine{from, to});
        if (path[i].segmentEnd)
            preview.dots.push_back(Rect{std::max(0, to.x - dotHalf), std::max(0, to.y - dotHalf),
                                        std::min(width, to.x + dotHalf), std::min(height, to.y + dotHalf)});
        from = to;
    }
    return preview;
}

} // namespace flickmark
