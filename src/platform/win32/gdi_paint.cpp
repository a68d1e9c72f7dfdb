#include "platform/win32/gdi_paint.h"

#include "platform/win32/unique_handle.h"

namespace flickmark::win32 {

void fillRect(HDC dc, const RECT& r, COLORREF color) {
    const UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &r, brush.get());
}

void frameRect(HDC dc, const RECT& r, COLORREF color, int width) {
    const UniqueBrush brush(::CreateSolidBrush(color));
    for (int i = 0; i < width; ++i) {
        const RECT inner{r.left + i, r.top + i, r.right - i, r.bottom - i};
        ::FrameRect(dc, &inner, brush.get());
    }
}

} // namespace flickmark::win32
