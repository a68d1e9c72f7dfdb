// The gesture preview: a gesture string drawn as a small path diagram. Every direction code is one
// straight segment with a dot at its end; a stroke that runs on the same axis as the one before (Up then
// Down, Left then Right) is shifted beside it, joined by a short line, so a retraced line stays visible.
// The path is scaled to fit the picture and centred in it, but a stroke is never drawn shorter than 12
// pixels at 96 DPI: a gesture too long for that shows its first codes, then an ellipsis of three small
// squares heading where the next stroke would go. This file computes what to draw; gesture_preview_win
// draws it with GDI.
#pragma once

#include "base/geometry.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace flickmark {

// The picture of the gestures window, in logical pixels (96 DPI).
inline constexpr int kGesturePreviewWidth = 95;
inline constexpr int kGesturePreviewHeight = 105;

struct PreviewLine {
    Point from;
    Point to;
    friend bool operator==(const PreviewLine&, const PreviewLine&) = default;
};

struct GesturePreview {
    int width = 0;
    int height = 0;
    // The DPI scale the preview was laid out for (1.0 at 96 DPI); the pen grows with it.
    double scale = 1.0;
    // Where the pen starts: the first line begins here. The start carries no dot.
    Point start;
    // In drawing order, each line starting where the previous one ended: per code its segment, preceded
    // by the joining line when the code is shifted beside the stroke before it.
    std::vector<PreviewLine> lines;
    // One filled square at the end of each segment (right and bottom exclusive), cut to the picture.
    std::vector<Rect> dots;
    // How many of the gesture's codes the lines and dots show: all of them, or the first ones when the
    // gesture is too long for the picture.
    std::size_t codesDrawn = 0;
    // Three filled squares after the last dot when codes were left out, empty otherwise.
    std::vector<Rect> ellipsis;
    // Where the gesture starts and where it ends, so that "0312" and "2031" do not look alike: a filled
    // disc in this box around the start (right and bottom exclusive; empty without lines), and a filled
    // arrowhead of three corners on the end of the last segment, pointing its way (none when the ellipsis
    // stands for codes left out). Both lie inside the picture.
    Rect startMark;
    std::vector<Point> arrowHead;
    // The segment length (per axis for a diagonal) and the distance of side-by-side strokes, in pixels.
    int step = 0;
    int shift = 0;
};

// Lays out `gesture` for a picture of width x height physical pixels at DPI scale `scale`.
// Characters other than '0'..'7' are skipped; a string without codes, or a picture without pixels, gives
// no lines and no dots (a cleared picture). Every line end, dot and ellipsis square lies inside the
// picture. A path too long for the picture is drawn smaller, down to the shortest step; beyond that its
// first codes are drawn with the ellipsis. Only in a picture too small for one stroke and the ellipsis at
// the shortest step is the whole path squeezed in (the step shrinks, never below 1 pixel, and with it the
// shift when even short strokes do not fit).
GesturePreview layoutGesturePreview(std::string_view gesture, int width, int height, double scale = 1.0);

} // namespace flickmark
