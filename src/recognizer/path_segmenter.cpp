#include "recognizer/path_segmenter.h"

#include "recognizer/angle_bands.h"
#include "recognizer/stroke_math.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace flickmark {
namespace {

// How far (pixels) a point may stray from the straight line of its piece before the piece is split there.
// Small on purpose: splitting too often only costs merges, while a corner never split is lost.
constexpr double kSplitTolerance = 5.0;

// The least a stroke cut short by the desktop's edge must show of itself (pixels, straight distance): more
// than a pressed hand's jitter against the edge.
constexpr double kEdgeCutMinimum = 10.0;
// A slide along the edge this many times the minimum length of its direction is a stroke of its own.
constexpr double kSlideFactor = 2.0;

// Sides of the desktop's outer edge, as bits.
constexpr unsigned kLeftSide = 1;
constexpr unsigned kRightSide = 2;
constexpr unsigned kTopSide = 4;
constexpr unsigned kBottomSide = 8;

// The cardinal direction into one side; None for no side or a corner.
Direction directionInto(unsigned side) {
    switch (side) {
    case kLeftSide:
        return Direction::Left;
    case kRightSide:
        return Direction::Right;
    case kTopSide:
        return Direction::Up;
    case kBottomSide:
        return Direction::Down;
    default:
        return Direction::None;
    }
}

bool onDesktop(Point p, std::span<const Rect> monitors) {
    for (const Rect& monitor : monitors)
        if (monitor.contains(p))
            return true;
    return false;
}

// The sides of the desktop's outer edge the point lies on: the cursor cannot go one pixel further there.
unsigned outerEdgesAt(Point p, std::span<const Rect> monitors) {
    if (!onDesktop(p, monitors))
        return 0;
    unsigned sides = 0;
    if (!onDesktop({p.x - 1, p.y}, monitors))
        sides |= kLeftSide;
    if (!onDesktop({p.x + 1, p.y}, monitors))
        sides |= kRightSide;
    if (!onDesktop({p.x, p.y - 1}, monitors))
        sides |= kTopSide;
    if (!onDesktop({p.x, p.y + 1}, monitors))
        sides |= kBottomSide;
    return sides;
}

// The sides a stroke in that direction runs into.
unsigned sidesAhead(Direction direction) {
    switch (direction) {
    case Direction::Up:
        return kTopSide;
    case Direction::Down:
        return kBottomSide;
    case Direction::Left:
        return kLeftSide;
    case Direction::Right:
        return kRightSide;
    case Direction::NE:
        return kTopSide | kRightSide;
    case Direction::NW:
        return kTopSide | kLeftSide;
    case Direction::SE:
        return kBottomSide | kRightSide;
    case Direction::SW:
        return kBottomSide | kLeftSide;
    default:
        return 0;
    }
}

double distanceToSegment(Point p, Point a, Point b) {
    const double abx = static_cast<double>(b.x) - a.x;
    const double aby = static_cast<double>(b.y) - a.y;
    const double apx = static_cast<double>(p.x) - a.x;
    const double apy = static_cast<double>(p.y) - a.y;
    const double squared = abx * abx + aby * aby;
    double t = squared > 0 ? (apx * abx + apy * aby) / squared : 0.0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(apx - t * abx, apy - t * aby);
}

// Indices of the points where the path may turn, first and last included: a piece is split at its point
// farthest from the straight line between its ends while that point lies beyond the tolerance.
std::vector<std::size_t> splitPoints(std::span<const Point> path) {
    std::vector<bool> split(path.size(), false);
    split.front() = true;
    split.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> open{{0, path.size() - 1}};
    while (!open.empty()) {
        const auto [from, to] = open.back();
        open.pop_back();
        std::size_t farthest = from;
        double distance = kSplitTolerance;
        for (std::size_t i = from + 1; i < to; ++i) {
            const double d = distanceToSegment(path[i], path[from], path[to]);
            if (d > distance) {
                distance = d;
                farthest = i;
            }
        }
        if (farthest == from)
            continue;
        split[farthest] = true;
        open.emplace_back(from, farthest);
        open.emplace_back(farthest, to);
    }
    std::vector<std::size_t> points;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (split[i])
            points.push_back(i);
    return points;
}

struct Piece {
    std::size_t from = 0; // path indices of the piece's ends
    std::size_t to = 0;
    Direction code = Direction::None;
    double length = 0;
    bool drawnAgainstEdge = false; // a stroke seen only by its slide along the edge; its code is given
};

// Joins the pieces between split points into strokes: pieces of one direction merge; a piece too short
// for its direction, or the lesser of a diagonal and its adjacent cardinal side by side, is not a stroke of
// its own (a bulge, a rounded corner, a hook at a stroke's end) and joins the neighbour it turns least
// from, shortest first.
class StrokeMerger {
public:
    StrokeMerger(std::span<const Point> path, const StrokeRules& rules) : path_(path), rules_(rules) {}

    std::vector<Stroke> strokes(const std::vector<std::size_t>& splits) {
        for (std::size_t i = 0; i + 1 < splits.size(); ++i)
            pieces_.push_back(piece(splits[i], splits[i + 1]));
        mergeEqualNeighbours();
        readSlidesAlongEdges();
        while (!pieces_.empty()) {
            const std::size_t weak = weakestPiece();
            if (weak == kNone)
                break;
            if (pieces_.size() == 1)
                pieces_.clear();
            else
                mergeIntoStraighterNeighbour(weak);
            mergeEqualNeighbours();
        }
        std::vector<Stroke> result;
        for (const Piece& p : pieces_)
            result.push_back(
                {p.code, pointDistance(path_[p.from], path_[p.to]), pointAngle(path_[p.from], path_[p.to])});
        return result;
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    Piece piece(std::size_t from, std::size_t to) const {
        const Point a = path_[from];
        const Point b = path_[to];
        const double length = std::hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
        return {from, to, strokeDirection(a, b, rules_.diagonals), length};
    }

    bool longEnough(const Piece& p) const {
        return p.drawnAgainstEdge || isLongEnough(p.code, path_[p.from], path_[p.to], rules_) ||
               cutShortByEdge(p);
    }

    // The sides of the desktop's outer edge that every point of the piece lies on.
    unsigned sidesAlong(const Piece& p) const {
        unsigned sides = outerEdgesAt(path_[p.from], rules_.monitors);
        for (std::size_t i = p.from + 1; i <= p.to && sides != 0; ++i)
            sides &= outerEdgesAt(path_[i], rules_.monitors);
        return sides;
    }

    // Where the hand draws against the desktop's outer edge, the cursor stops and only the stroke's drift
    // along the edge shows, as a short slide. After a piece that ran into that edge, the slide is that
    // piece going on and keeps its direction; after one that only reached the edge, it is all that shows
    // of a stroke drawn against the edge, and takes that stroke's direction. After a piece that already
    // lay on the edge where it began, the slide is read as it would be anywhere else: a hook at that
    // piece's end is not taken for a stroke.
    void readSlidesAlongEdges() {
        for (std::size_t i = 1; i < pieces_.size(); ++i) {
            Piece& before = pieces_[i - 1];
            Piece& slide = pieces_[i];
            if (slide.length >= kSlideFactor * minimumLength(slide.code) || cutShortByEdge(slide))
                continue;
            const unsigned reached = sidesAlong(slide) & outerEdgesAt(path_[before.to], rules_.monitors) &
                                     ~outerEdgesAt(path_[before.from], rules_.monitors);
            const unsigned ranInto = reached & sidesAhead(before.code);
            if (ranInto != 0) {
                before.to = slide.to;
                pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(i));
                --i;
            } else if (const Direction against = directionInto(reached);
                       against != Direction::None && slide.length >= kEdgeCutMinimum) {
                slide.code = against;
                slide.drawnAgainstEdge = true;
            }
        }
    }

    double minimumLength(Direction code) const {
        return code == Direction::Left || code == Direction::Right ? rules_.xPixel : rules_.yPixel;
    }

    // A piece that runs from inside the desktop into its outer edge: the hand went on where the cursor
    // stopped, so what shows of the stroke only has to be more than jitter.
    bool cutShortByEdge(const Piece& p) const {
        if (p.length < kEdgeCutMinimum)
            return false;
        const unsigned reached =
            outerEdgesAt(path_[p.to], rules_.monitors) & ~outerEdgesAt(path_[p.from], rules_.monitors);
        return (reached & sidesAhead(p.code)) != 0;
    }

    // The shortest piece that cannot stand as a stroke; kNone when every piece can.
    std::size_t weakestPiece() const {
        std::size_t weakest = kNone;
        const auto consider = [&](std::size_t i) {
            if (weakest == kNone || pieces_[i].length < pieces_[weakest].length)
                weakest = i;
        };
        for (std::size_t i = 0; i < pieces_.size(); ++i) {
            if (!longEnough(pieces_[i]))
                consider(i);
            if (i + 1 < pieces_.size() && areAdjacent(pieces_[i].code, pieces_[i + 1].code))
                consider(lesserOfAdjacentPair(i));
        }
        return weakest;
    }

    // Of two neighbours with adjacent codes, the one that is only a bridge between its own neighbours (Right
    // between SE and NE: a rounded corner), else the shorter.
    std::size_t lesserOfAdjacentPair(std::size_t first) const {
        const bool firstBridges = bridges(first);
        if (firstBridges != bridges(first + 1))
            return firstBridges ? first : first + 1;
        return pieces_[first].length < pieces_[first + 1].length ? first : first + 1;
    }

    bool bridges(std::size_t i) const {
        return i > 0 && i + 1 < pieces_.size() && areAdjacent(pieces_[i - 1].code, pieces_[i].code) &&
               areAdjacent(pieces_[i].code, pieces_[i + 1].code);
    }

    // Cosine of the turn from one piece's direction to the other's: 1 straight on, -1 straight back.
    double straightness(const Piece& a, const Piece& b) const {
        const double ax = static_cast<double>(path_[a.to].x) - path_[a.from].x;
        const double ay = static_cast<double>(path_[a.to].y) - path_[a.from].y;
        const double bx = static_cast<double>(path_[b.to].x) - path_[b.from].x;
        const double by = static_cast<double>(path_[b.to].y) - path_[b.from].y;
        const double lengths = a.length * b.length;
        return lengths > 0 ? (ax * bx + ay * by) / lengths : 0.0;
    }

    void mergeIntoStraighterNeighbour(std::size_t i) {
        // The earlier of the two pieces that become one: the last piece joins the one before it, another
        // piece the neighbour it continues more straightly.
        const bool last = i + 1 == pieces_.size();
        const bool withPrevious = last || (i > 0 && straightness(pieces_[i - 1], pieces_[i]) >=
                                                        straightness(pieces_[i], pieces_[i + 1]));
        const std::size_t first = withPrevious ? i - 1 : i;
        pieces_[first] = piece(pieces_[first].from, pieces_[first + 1].to);
        pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(first) + 1);
    }

    void mergeEqualNeighbours() {
        for (std::size_t i = 0; i + 1 < pieces_.size();) {
            if (pieces_[i].code == pieces_[i + 1].code) {
                pieces_[i] = piece(pieces_[i].from, pieces_[i + 1].to);
                pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            } else {
                ++i;
            }
        }
    }

    std::span<const Point> path_;
    const StrokeRules& rules_;
    std::vector<Piece> pieces_;
};

} // namespace

Direction strokeDirection(Point from, Point to, bool diagonals) {
    AngleCandidates candidates;
    classifyAngle(pointAngle(from, to), diagonals, false, candidates);
    // Inside a diagonal band both cardinals stand and the diagonal decides; elsewhere one cardinal stands.
    return combineCandidates(candidates, diagonals, 0, 0);
}

bool isLongEnough(Direction direction, Point from, Point to, const StrokeRules& rules) {
    const long long dx = absDiff(from.x, to.x);
    const long long dy = absDiff(from.y, to.y);
    if (direction == Direction::Up || direction == Direction::Down)
        return dy >= rules.yPixel;
    if (direction == Direction::Left || direction == Direction::Right)
        return dx >= rules.xPixel;
    return dx + dy >= roundHalfEven(1.3 * rules.yPixel);
}

std::vector<Stroke> segmentPath(std::span<const Point> path, const StrokeRules& rules) {
    if (path.size() < 2)
        return {};
    return StrokeMerger(path, rules).strokes(splitPoints(path));
}

} // namespace flickmark
