#include "platform/win32/dib_canvas.h"

#include "platform/win32/last_error.h"

namespace flickmark::win32 {

DibCanvas::DibCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // negative: top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        throwLastError("CreateDIBSection");
    pixels_ = static_cast<std::uint32_t*>(bits);
    dc_.reset(::CreateCompatibleDC(nullptr));
    if (!dc_)
        throwLastError("CreateCompatibleDC");
    previousBitmap_ = ::SelectObject(dc_.get(), bitmap_.get());
}

DibCanvas::~DibCanvas() {
    // The bitmap must leave the DC before either is deleted.
    if (previousBitmap_ && previousBitmap_ != HGDI_ERROR)
        ::SelectObject(dc_.get(), previousBitmap_);
}

void DibCanvas::makeOpaque() noexcept {
    ::GdiFlush();
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    for (std::size_t i = 0; i < count; ++i)
        pixels_[i] |= 0xFF000000u;
}

bool DibCanvas::presentOnLayeredWindow(HWND window, int x, int y) const noexcept {
    ::GdiFlush();
    POINT position{x, y};
    SIZE size{width_, height_};
    POINT source{0, 0};
    BLENDFUNCTION blend{};
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = 255;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return ::UpdateLayeredWindow(window, nullptr, &position, &size, dc_.get(), &source, 0, &blend,
                                 ULW_ALPHA) != FALSE;
}

} // namespace flickmark::win32
