#include "editors/arrow_glyph_win.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace flickmark {
namespace {

// An arrow pointing right, in units of half the box's smaller side.
constexpr std::array<std::array<double, 2>, 7> kArrowShape = {
    {{-0.62, -0.13}, {0.05, -0.13}, {0.05, -0.42}, {0.62, 0.0}, {0.05, 0.42}, {0.05, 0.13}, {-0.62, 0.13}}};

} // namespace

void drawArrowGlyph(HDC dc, const RECT& box, double degrees, COLORREF colour) {
    const double centreX = (box.left + box.right) / 2.0;
    const double centreY = (box.top + box.bottom) / 2.0;
    const double radius = std::min(box.right - box.left, box.bottom - box.top) / 2.0;
    const double angle = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    std::array<POINT, kArrowShape.size()> points{};
    for (std::size_t i = 0; i < kArrowShape.size(); ++i) {
        const double x = kArrowShape[i][0] * radius;
        const double y = kArrowShape[i][1] * radius;
        points[i] = POINT{static_cast<LONG>(std::lround(centreX + x * c - y * s)),
                          static_cast<LONG>(std::lround(centreY + x * s + y * c))};
    }
    const HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(DC_BRUSH));
    const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(DC_PEN));
    const COLORREF oldBrushColour = ::SetDCBrushColor(dc, colour);
    const COLORREF oldPenColour = ::SetDCPenColor(dc, colour);
    ::Polygon(dc, points.data(), static_cast<int>(points.size()));
    ::SetDCPenColor(dc, oldPenColour);
    ::SetDCBrushColor(dc, oldBrushColour);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
}

} // namespace flickmark
