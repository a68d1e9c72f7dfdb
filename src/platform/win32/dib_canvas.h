// A 32-bit top-down bitmap with a memory DC selected on it: GDI can draw on it, its pixels can be written
// directly, and a layered window can take it as its picture.
#pragma once

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace flickmark::win32 {

class DibCanvas {
public:
    // Throws Win32Error when the bitmap or the DC cannot be created.
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC dc() const noexcept { return dc_.get(); }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }
    // Pixels as 0xAARRGGBB, rows top to bottom. Call GdiFlush() before reading what GDI drew.
    std::uint32_t* pixels() const noexcept { return pixels_; }

    // GDI drawing leaves the alpha byte undefined; this makes every pixel opaque.
    void makeOpaque() noexcept;

    // Shows the canvas as the picture of a layered window (WS_EX_LAYERED) with its top-left corner at
    // (x, y), using per-pixel alpha (the pixels must be premultiplied). Returns false on failure.
    bool presentOnLayeredWindow(HWND window, int x, int y) const noexcept;

private:
    int width_;
    int height_;
    std::uint32_t* pixels_ = nullptr;
    UniqueDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

} // namespace flickmark::win32
