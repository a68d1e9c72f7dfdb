#include "app/popup_icons_win.h"

#include "app/resource_ids.h"
#include "app/tray_menu.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_base.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace flickmark {
namespace {

constexpr int kPicturePixels = 16; // at 100 %
constexpr int kBlankIndex = 4;

BITMAPINFO topDownArgb(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A blank picture: no colour, and a mask that leaves everything transparent.
bool addBlank(win32::ImageList& list, int size) {
    const BITMAPINFO info = topDownArgb(size, size);
    void* bits = nullptr;
    const win32::UniqueBitmap colour(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const int maskStride = ((size + 15) / 16) * 2; // monochrome rows are whole 16-bit words
    const std::vector<std::uint8_t> allTransparent(static_cast<std::size_t>(maskStride * size), 0xFF);
    const win32::UniqueBitmap mask(::CreateBitmap(size, size, 1, 1, allTransparent.data()));
    return colour && mask && ::ImageList_Add(list.get(), colour.get(), mask.get()) >= 0;
}

// The icon's pixels as top-down BGRA with straight alpha; an icon without alpha takes it from its mask.
std::vector<std::uint32_t> iconPixels(HICON icon, int& width, int& height) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info))
        return {};
    const win32::UniqueBitmap colour(info.hbmColor);
    const win32::UniqueBitmap mask(info.hbmMask);
    BITMAP shape{};
    if (!colour || !::GetObjectW(colour.get(), sizeof shape, &shape))
        return {};
    width = shape.bmWidth;
    height = shape.bmHeight;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    BITMAPINFO format = topDownArgb(width, height);
    const win32::WindowDc screen;
    if (!::GetDIBits(screen.get(), colour.get(), 0, static_cast<UINT>(height), pixels.data(), &format,
                     DIB_RGB_COLORS))
        return {};
    bool hasAlpha = false;
    for (const std::uint32_t pixel : pixels)
        hasAlpha = hasAlpha || (pixel >> 24) != 0;
    if (!hasAlpha) {
        std::vector<std::uint32_t> maskPixels(pixels.size());
        format = topDownArgb(width, height);
        if (!mask || !::GetDIBits(screen.get(), mask.get(), 0, static_cast<UINT>(height), maskPixels.data(),
                                  &format, DIB_RGB_COLORS))
            return {};
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = (maskPixels[i] & 0xFFFFFFu) ? 0 : (pixels[i] | 0xFF000000u);
    }
    return pixels;
}

} // namespace

win32::ImageList createPopupIcons(UINT dpi) {
    const int size = win32::scaleToDpi(kPicturePixels, dpi);
    win32::ImageList list(size, size, kPopupIconCount);
    for (int index = 0; index < kPopupIconCount && list; ++index) {
        if (index == kBlankIndex) {
            if (!addBlank(list, size))
                break;
            continue;
        }
        const win32::UniqueIcon icon(static_cast<HICON>(::LoadImageW(
            win32::moduleInstance(), MAKEINTRESOURCEW(IDI_POPUP_FIRST + index), IMAGE_ICON, size, size, 0)));
        if (!icon || list.addIcon(icon.get()) < 0)
            break; // later pictures would take the wrong indexes
    }
    return list;
}

win32::UniqueBitmap menuBitmap(const win32::ImageList& pictures, int index) {
    if (index < 0 || index >= pictures.count())
        return {};
    const win32::UniqueIcon icon = pictures.icon(index);
    int width = 0;
    int height = 0;
    const std::vector<std::uint32_t> pixels = iconPixels(icon.get(), width, height);
    if (pixels.empty())
        return {};
    const BITMAPINFO info = topDownArgb(width, height);
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t pixel = pixels[i];
        const std::uint32_t alpha = pixel >> 24;
        const auto channel = [&](int shift) {
            return (((pixel >> shift) & 0xFFu) * alpha + 127) / 255 << shift;
        };
        out[i] = (alpha << 24) | channel(16) | channel(8) | channel(0);
    }
    ::GdiFlush();
    return bitmap;
}

} // namespace flickmark
