#include "overlays/gesture_preview_win.h"

#include "platform/win32/dib_canvas.h"
#include "platform/win32/unique_handle.h"

#include <algorithm>
#include <cmath>

namespace flickmark {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kPaper = RGB(255, 255, 255);
// The dots and gaps of a dotted GDI pen at 100 %.
constexpr double kDotLengthLogical = 3;

// At 100 % the cosmetic dotted pen. At a larger scale a geometric pen as wide as the scale with dots and
// gaps as long, so the line looks the same, only sharper.
win32::UniquePen createLinePen(double scale) {
    const int width = std::max(1, static_cast<int>(std::lround(scale)));
    if (width == 1)
        return win32::UniquePen(::CreatePen(PS_DOT, 1, kInk));
    const LOGBRUSH brush{BS_SOLID, kInk, 0};
    const DWORD dot = static_cast<DWORD>(std::max(1L, std::lround(kDotLengthLogical * scale)));
    const DWORD pattern[] = {dot, dot};
    return win32::UniquePen(::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                                           static_cast<DWORD>(width), &brush, 2, pattern));
}

} // namespace

void drawGesturePreview(HDC dc, const GesturePreview& preview) {
    const RECT all{0, 0, preview.width, preview.height};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (preview.lines.empty() && preview.dots.empty() && preview.ellipsis.empty())
        return;

    const win32::UniquePen pen = createLinePen(preview.scale);
    if (pen) {
        const win32::SelectionScope selectPen(dc, pen.get());
        // The gaps of the dotted line leave what lies below, so a line drawn over another keeps it whole.
        const int previousMode = ::SetBkMode(dc, TRANSPARENT);
        ::SetBkColor(dc, kPaper);
        for (const PreviewLine& line : preview.lines) {
            ::MoveToEx(dc, line.from.x, line.from.y, nullptr);
            ::LineTo(dc, line.to.x, line.to.y);
        }
        ::SetBkMode(dc, previousMode);
    }
    // The dots last, so no line runs across one.
    const win32::UniqueBrush ink(::CreateSolidBrush(kInk));
    for (const std::vector<Rect>* squares : {&preview.dots, &preview.ellipsis}) {
        for (const Rect& square : *squares) {
            const RECT r{square.left, square.top, square.right, square.bottom};
            ::FillRect(dc, &r, ink.get());
        }
    }
    // The start's disc and the end's arrowhead.
    const win32::SelectionScope selectBrush(dc, ink.get());
    const win32::SelectionScope selectPen(dc, ::GetStockObject(NULL_PEN));
    const Rect& start = preview.startMark;
    if (start.right > start.left)
        ::Ellipse(dc, start.left, start.top, start.right + 1, start.bottom + 1); // a null pen leaves one off
    if (preview.arrowHead.size() == 3) {
        POINT corners[3];
        for (std::size_t i = 0; i < 3; ++i)
            corners[i] = POINT{preview.arrowHead[i].x, preview.arrowHead[i].y};
        ::Polygon(dc, corners, 3);
    }
}

void renderGesturePreview(win32::DibCanvas& canvas, std::string_view gesture, double scale) {
    drawGesturePreview(canvas.dc(), layoutGesturePreview(gesture, canvas.width(), canvas.height(), scale));
    canvas.makeOpaque();
}

} // namespace flickmark
