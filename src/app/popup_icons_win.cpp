#include "app/popup_icons_win.h"

#include "app/resource_ids.h"
#include "app/tray_menu.h"
#include "platform/win32/dpi.h"
#include "platform/win32/window_base.h"

#include <cstdint>
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

} // namespace

win32::ImageList createPopupIcons(UINT dpi) {
    const int size = popupIconSize(dpi);
    win32::ImageList list(size, size, kPopupIconCount);
    for (int index = 0; index < kPopupIconCount && list; ++index) {
        if (index == kBlankIndex) {
            if (!addBlank(list, size))
                break;
            continue;
        }
        const win32::UniqueIcon icon = popupIcon(index, dpi);
        if (!icon || list.addIcon(icon.get()) < 0)
            break; // later pictures would take the wrong indexes
    }
    return list;
}

int popupIconSize(UINT dpi) {
    return win32::scaleToDpi(kPicturePixels, dpi);
}

win32::UniqueIcon popupIcon(int index, UINT dpi) {
    if (index < 0 || index >= kPopupIconCount || index == kBlankIndex)
        return {};
    const int size = popupIconSize(dpi);
    return win32::UniqueIcon(static_cast<HICON>(::LoadImageW(
        win32::moduleInstance(), MAKEINTRESOURCEW(IDI_POPUP_FIRST + index), IMAGE_ICON, size, size, 0)));
}

} // namespace flickmark
