#include "overlays/gesture_preview.h"

#include "base/direction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <span>
#include <utility>

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
// The start's disc (radius) and the end's arrowhead (length along the stroke; its half width is a little
// more than half of it), in logical pixels.
constexpr double kStartRadiusLogical = 3;
constexpr double kArrowLengthLogical = 7;
constexpr double kMarginLogical = 25; // both ends of an axis together

// A stroke is never drawn shorter than this, so the dots at its ends stay apart and the line between them
// shows. A gesture too long for the picture at this step shows its first codes and an ellipsis.
constexpr double kShortestStepLogical = 12;
// In a picture too small for even that: while the shift keeps its size, a stroke is never shortened below
// this many shifts, or the side-by-side strokes would stand further apart than they are long.
constexpr int kShortestStepInShifts = 2;
// The ellipsis: three squares of the dot's half size, one such square apart, along the next code's stroke.
constexpr int kEllipsisSquares = 3;

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
    return d == Direction::Up || d == Direction::Down;
}

bool isHorizontal(Direction d) {
    return d == Direction::Left || d == Direction::Right;
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

std::vector<Direction> directionCodes(std::string_view gesture) {
    std::vector<Direction> codes;
    for (const char c : gesture) {
        if (const Direction d = directionFromDigit(c); d != Direction::None)
            codes.push_back(d);
    }
    return codes;
}

// The start, then per code an optional joining corner and the segment's end.
std::vector<Vertex> walk(std::span<const Direction> codes) {
    std::vector<Vertex> path(1);
    Direction previous = Direction::None;
    for (const Direction code : codes) {
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
        next.x.steps += kMoves[toIndex(code)].dx;
        next.y.steps += kMoves[toIndex(code)].dy;
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

struct Sizing {
    int step = 0;
    int shift = 0;
};

// A path and the room it must fit into.
class PathFit {
public:
    PathFit(std::vector<Vertex> path, double roomX, double roomY)
        : path_(std::move(path)), axisX_(path_, &Vertex::x), axisY_(path_, &Vertex::y), roomX_(roomX),
          roomY_(roomY) {}

    const std::vector<Vertex>& path() const { return path_; }
    Span spanX(int step, int shift) const { return axisX_.span(step, shift); }
    Span spanY(int step, int shift) const { return axisY_.span(step, shift); }

    bool fits(int step, int shift) const {
        return static_cast<double>(spanX(step, shift).size()) <= roomX_ &&
               static_cast<double>(spanY(step, shift).size()) <= roomY_;
    }

    // The longest step of at least `shortest` with which the path fits; 0 when there is none.
    int stepAtLeast(int shortest, int shift) const {
        const int measured = measuredStep();
        if (measured >= shortest && fits(measured, shift))
            return measured;
        return longestFitting(shift, shortest, std::max(measured, shortest));
    }

    // For a picture too small for the shortest step: the whole path, drawn as small as it must be.
    Sizing squeezed(int shift) const {
        const int measured = measuredStep();
        if (fits(measured, shift))
            return Sizing{measured, shift};
        const int step = longestFitting(shift, kShortestStepInShifts * shift, measured);
        if (step > 0)
            return Sizing{step, shift};
        // Even short strokes do not fit beside each other: the shift shrinks as much as the path must,
        // then the step takes what room is left.
        double factor = 1.0;
        const long long sizeX = spanX(measured, shift).size();
        const long long sizeY = spanY(measured, shift).size();
        if (sizeX > 0)
            factor = std::min(factor, roomX_ / static_cast<double>(sizeX));
        if (sizeY > 0)
            factor = std::min(factor, roomY_ / static_cast<double>(sizeY));
        const int smallerShift = std::max(1, static_cast<int>(shift * factor));
        return Sizing{std::max(1, longestFitting(smallerShift, 1, measured)), smallerShift};
    }

private:
    // The step the measuring walk suggests: the larger room over the number of steps the path spans. It
    // measures the larger side only and is an estimate; at least 1.
    int measuredStep() const {
        const long long boxSide = std::max(axisX_.span(kMeasureStep, kMeasureShift).size(),
                                           axisY_.span(kMeasureStep, kMeasureShift).size()) +
                                  2LL * kMeasureBoxWidening;
        const long long steps = std::max(1LL, nearest(static_cast<double>(boxSide) / kMeasureStep));
        return std::max(1, toInt(nearest(std::max(roomX_, roomY_) / static_cast<double>(steps)) - 1));
    }

    // The longest step from `shortest` to `longest` with which the path fits; 0 when there is none.
    int longestFitting(int shift, int shortest, int longest) const {
        const long long from =
            std::min({static_cast<long long>(longest), axisX_.longestStepWithin(roomX_, shift),
                      axisY_.longestStepWithin(roomY_, shift)});
        for (long long s = from; s >= shortest; --s) {
            if (fits(static_cast<int>(s), shift))
                return static_cast<int>(s);
        }
        return 0;
    }

    std::vector<Vertex> path_;
    AxisProfile axisX_;
    AxisProfile axisY_;
    double roomX_;
    double roomY_;
};

// How many leading codes fit at the step `step`, followed by one more code's stroke for the ellipsis;
// 0 when not even one does.
std::size_t codesBeforeEllipsis(std::span<const Direction> codes, int step, int shift, double roomX,
                                double roomY) {
    const auto fitsWithEllipsis = [&](std::size_t kept) {
        return PathFit(walk(codes.first(kept + 1)), roomX, roomY).fits(step, shift);
    };
    if (codes.size() < 2 || !fitsWithEllipsis(1))
        return 0;
    // A longer walk covers a shorter one, so what fits is a prefix: the largest count that fits.
    std::size_t fitting = 1;
    std::size_t tooMany = codes.size();
    while (tooMany - fitting > 1) {
        const std::size_t middle = fitting + (tooMany - fitting) / 2;
        (fitsWithEllipsis(middle) ? fitting : tooMany) = middle;
    }
    return fitting;
}

int towards(int from, int to) {
    return (to > from) - (to < from);
}

// Where the i-th ellipsis square (from 1) lies on one axis: `side` wide, beginning 2 * side * i from `from`
// in the direction `sign`, or centred on `from` when the stroke does not move along this axis.
std::pair<int, int> ellipsisSquare(int from, int sign, int i, int side) {
    const int lead = 2 * side * i;
    if (sign > 0)
        return {from + lead, from + lead + side};
    if (sign < 0)
        return {from - lead - side, from - lead};
    return {from - side / 2, from - side / 2 + side};
}

Point inPicture(double x, double y, int width, int height) {
    return Point{toInt(std::clamp(std::lround(x), 0L, static_cast<long>(width) - 1)),
                 toInt(std::clamp(std::lround(y), 0L, static_cast<long>(height) - 1))};
}

Rect cutToPicture(Rect r, int width, int height);

// The start's disc, and the arrowhead on the last segment when the whole gesture is drawn.
void markEnds(GesturePreview& preview, bool wholeGesture) {
    if (preview.lines.empty())
        return;
    const int radius = std::max(2, toInt(nearest(kStartRadiusLogical * preview.scale)));
    const Point s = preview.start;
    preview.startMark = cutToPicture(Rect{s.x - radius, s.y - radius, s.x + radius + 1, s.y + radius + 1},
                                     preview.width, preview.height);
    const PreviewLine& last = preview.lines.back();
    const double dx = last.to.x - last.from.x;
    const double dy = last.to.y - last.from.y;
    const double length = std::hypot(dx, dy);
    if (!wholeGesture || length == 0)
        return;
    const double along = std::max(4.0, static_cast<double>(nearest(kArrowLengthLogical * preview.scale)));
    const double ux = dx / length, uy = dy / length;
    const double tipX = last.to.x + ux * along / 2, tipY = last.to.y + uy * along / 2;
    const double baseX = last.to.x - ux * along / 2, baseY = last.to.y - uy * along / 2;
    const double half = along * 0.6;
    preview.arrowHead = {inPicture(tipX, tipY, preview.width, preview.height),
                         inPicture(baseX - uy * half, baseY + ux * half, preview.width, preview.height),
                         inPicture(baseX + uy * half, baseY - ux * half, preview.width, preview.height)};
}

Rect cutToPicture(Rect r, int width, int height) {
    return Rect{std::clamp(r.left, 0, width), std::clamp(r.top, 0, height), std::clamp(r.right, 0, width),
                std::clamp(r.bottom, 0, height)};
}

} // namespace

GesturePreview layoutGesturePreview(std::string_view gesture, int width, int height, double scale) {
    GesturePreview preview;
    preview.width = std::max(0, width);
    preview.height = std::max(0, height);
    preview.scale = std::isfinite(scale) ? std::clamp(scale, kSmallestScale, kLargestScale) : 1.0;
    const std::vector<Direction> codes = directionCodes(gesture);
    if (codes.empty() || width <= 0 || height <= 0)
        return preview;

    const double margin = kMarginLogical * preview.scale;
    const double roomX = roomFor(width, margin);
    const double roomY = roomFor(height, margin);
    const int shortest = std::max(1, toInt(nearest(kShortestStepLogical * preview.scale)));
    int shift = std::max(1, toInt(nearest(kShiftLogical * preview.scale)));

    std::size_t drawn = codes.size();
    PathFit fit(walk(codes), roomX, roomY);
    int step = fit.stepAtLeast(shortest, shift);
    if (step == 0) {
        drawn = codesBeforeEllipsis(codes, shortest, shift, roomX, roomY);
        if (drawn > 0) {
            fit = PathFit(walk(std::span(codes).first(drawn + 1)), roomX, roomY);
            step = fit.stepAtLeast(shortest, shift);
        } else {
            drawn = codes.size();
            const Sizing squeezed = fit.squeezed(shift);
            step = squeezed.step;
            shift = squeezed.shift;
        }
    }
    preview.step = step;
    preview.shift = shift;
    preview.codesDrawn = drawn;

    // Centre the path, the ellipsis's stroke included; what still does not fit (a long path in a tiny
    // picture) is held at the edges.
    const std::vector<Vertex>& path = fit.path();
    const Span spanX = fit.spanX(step, shift);
    const Span spanY = fit.spanY(step, shift);
    const long long originX = (width - 1 - spanX.size()) / 2 - spanX.low;
    const long long originY = (height - 1 - spanY.size()) / 2 - spanY.low;
    const auto place = [&](const Vertex& v) {
        return Point{toInt(std::clamp(originX + v.x.at(step, shift), 0LL, width - 1LL)),
                     toInt(std::clamp(originY + v.y.at(step, shift), 0LL, height - 1LL))};
    };
    const int dotHalf = std::max(1, toInt(nearest(kDotHalfLogical * preview.scale)));

    // With an ellipsis, the last vertex ends the stroke it stands for; a joining line before it is drawn.
    const std::size_t lineEnds = drawn < codes.size() ? path.size() - 1 : path.size();
    preview.start = place(path.front());
    Point from = preview.start;
    for (std::size_t i = 1; i < lineEnds; ++i) {
        const Point to = place(path[i]);
        preview.lines.push_back(PreviewLine{from, to});
        if (path[i].segmentEnd)
            preview.dots.push_back(cutToPicture(
                Rect{to.x - dotHalf, to.y - dotHalf, to.x + dotHalf, to.y + dotHalf}, width, height));
        from = to;
    }
    if (lineEnds < path.size()) {
        const Point to = place(path.back());
        const int signX = towards(from.x, to.x);
        const int signY = towards(from.y, to.y);
        for (int i = 1; i <= kEllipsisSquares; ++i) {
            const auto [left, right] = ellipsisSquare(from.x, signX, i, dotHalf);
            const auto [top, bottom] = ellipsisSquare(from.y, signY, i, dotHalf);
            preview.ellipsis.push_back(cutToPicture(Rect{left, top, right, bottom}, width, height));
        }
    }
    markEnds(preview, drawn == codes.size());
    return preview;
}

} // namespace flickmark
