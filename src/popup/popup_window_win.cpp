#include "popup/popup_window_win.h"

#include "platform/win32/dib_canvas.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_paint.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"
#include "popup/arrow_image.h"
#include "popup/popup_text.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace flickmark {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

constexpr int kArrowTileLogical = 50; // a 48-pixel picture inside a 1-pixel frame
constexpr int kMinimumPictureSide = 20;
constexpr int kDefaultMaximumLogical = 300;
constexpr int kFontPoints = 9;

const wchar_t* wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

// GetSysColor gives 0x00BBGGRR; the drawing code works with 0xRRGGBB.
std::uint32_t systemRgb(int index) {
    const COLORREF c = ::GetSysColor(index);
    return static_cast<std::uint32_t>(GetRValue(c)) << 16 | static_cast<std::uint32_t>(GetGValue(c)) << 8 |
           static_cast<std::uint32_t>(GetBValue(c));
}

// Every channel moved by `delta`, clamped to 0..255.
COLORREF shifted(COLORREF c, int delta) {
    const auto move = [delta](BYTE v) { return static_cast<BYTE>(std::clamp(v + delta, 0, 255)); };
    return RGB(move(GetRValue(c)), move(GetGValue(c)), move(GetBValue(c)));
}

win32::UniqueFont createPopupFont(UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(kFontPoints, static_cast<int>(dpi), 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::wcscpy(font.lfFaceName, L"Arial");
    return win32::UniqueFont(::CreateFontIndirectW(&font));
}

void drawLines(HDC dc, const std::vector<std::u16string>& lines, int x, int y, int lineHeight,
               COLORREF color) {
    ::SetTextColor(dc, color);
    for (const std::u16string& line : lines) {
        ::ExtTextOutW(dc, x, y, 0, nullptr, wide(line), static_cast<UINT>(line.size()), nullptr);
        y += lineHeight;
    }
}

} // namespace

PopupWindow::PopupWindow() {
    win32::WindowClassSpec windowClass;
    windowClass.name = L"FlickmarkPopup";
    win32::WindowCreateSpec window;
    window.title = L"Flickmark";
    window.style = WS_POPUP;
    // Layered + transparent: hit testing passes through to the windows below, whatever process owns them.
    window.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
    window.x = 0;
    window.y = 0;
    window.width = 1;
    window.height = 1;
    create(windowClass, window);
}

PopupWindow::~PopupWindow() = default;

LRESULT PopupWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

PopupSize PopupWindow::maximumSize(UINT dpi) const {
    if (sizeLimit_)
        return *sizeLimit_;
    const int side = win32::scaleToDpi(kDefaultMaximumLogical, dpi);
    return PopupSize{side, side};
}

void PopupWindow::showArrow(Direction direction, Point at) {
    if (showing_)
        return;
    try {
        drawArrow(direction, at);
    } catch (const std::exception& e) {
        win32::reportUnexpected("arrow popup", e.what());
    }
}

void PopupWindow::drawArrow(Direction direction, Point at) {
    const UINT dpi = win32::dpiAtPoint(POINT{at.x, at.y});
    const int tile = win32::scaleToDpi(kArrowTileLogical, dpi);
    // A picture is shrunk to fit the size limit, never enlarged.
    const PopupSize limit = maximumSize(dpi);
    const double factor =
        std::min({1.0, static_cast<double>(limit.width) / tile, static_cast<double>(limit.height) / tile});
    const int side = std::max(kMinimumPictureSide, static_cast<int>(tile * factor + 0.5));

    const RECT work = win32::workAreaAtPoint(POINT{at.x, at.y});
    const Rect placed =
        placePopup(PopupSize{side, side}, at, Rect{work.left, work.top, work.right, work.bottom});
    const int drawn = std::min(placed.width(), placed.height());
    if (drawn <= 0)
        return;

    ArrowTileColors colors;
    colors.background = systemRgb(COLOR_INFOBK);
    colors.ink = systemRgb(COLOR_INFOTEXT);
    colors.border = mixColors(colors.background, colors.ink, 0.45);
    const ArgbImage image = renderArrowTile(direction, drawn, std::max(1, win32::scaleToDpi(1, dpi)), colors);

    const win32::DibCanvas canvas(drawn, drawn);
    std::memcpy(canvas.pixels(), image.pixels.data(), image.pixels.size() * sizeof(std::uint32_t));
    present(canvas, Rect{placed.left, placed.top, placed.left + drawn, placed.top + drawn});
}

void PopupWindow::showText(std::string_view text, Point at) {
    showText(text, at, {}, false);
}

void PopupWindow::showText(std::string_view text, Point at, std::string_view extra, bool hint) {
    const std::wstring wideText = win32::widen(text);
    const std::wstring wideExtra = win32::widen(extra);
    showWideText(std::u16string(wideText.begin(), wideText.end()), at,
                 std::u16string(wideExtra.begin(), wideExtra.end()), hint);
}

void PopupWindow::showWideText(std::u16string_view text, Point at, std::u16string_view extra, bool hint) {
    if (showing_)
        return;
    try {
        drawText(text, at, extra, hint);
    } catch (const std::exception& e) {
        win32::reportUnexpected("text popup", e.what());
    }
}

void PopupWindow::drawText(std::u16string_view text, Point at, std::u16string_view extra, bool hint) {
    const PopupText parts = composePopupText(text, extra, hint);
    const UINT dpi = win32::dpiAtPoint(POINT{at.x, at.y});
    const int border = std::max(1, win32::scaleToDpi(1, dpi));
    const int padX = win32::scaleToDpi(3, dpi);
    const int padY = win32::scaleToDpi(2, dpi);
    const PopupSize limit = maximumSize(dpi);
    // Header lines sit inside the band's own frame, so they are one frame further in.
    const int headerInset = 2 * border + padX;

    const win32::UniqueFont font = createPopupFont(dpi);
    const win32::UniqueDc measureDc(::CreateCompatibleDC(nullptr));
    if (!measureDc)
        return;
    std::vector<std::u16string> headerLines;
    std::vector<std::u16string> bodyLines;
    int lineHeight = 0;
    int contentWidth = 0; // with the insets on both sides
    {
        const win32::SelectionScope selectFont(measureDc.get(), font.get());
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(measureDc.get(), &metrics);
        lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        const auto widthOf = [&](std::u16string_view s) {
            SIZE size{};
            ::GetTextExtentPoint32W(measureDc.get(), wide(s), static_cast<int>(s.size()), &size);
            return static_cast<int>(size.cx);
        };
        headerLines = wrapPopupLines(parts.header, std::max(1, limit.width - 2 * headerInset), widthOf);
        bodyLines = wrapPopupLines(parts.body, std::max(1, limit.width - 2 * (border + padX)), widthOf);
        for (const std::u16string& line : headerLines)
            contentWidth = std::max(contentWidth, widthOf(line) + 2 * headerInset);
        for (const std::u16string& line : bodyLines)
            contentWidth = std::max(contentWidth, widthOf(line) + 2 * (border + padX));
    }
    const int headerHeight =
        headerLines.empty() ? 0 : static_cast<int>(headerLines.size()) * lineHeight + 2 * padY;
    const int bodyHeight = static_cast<int>(bodyLines.size()) * lineHeight;
    const PopupSize wanted{contentWidth, headerHeight + bodyHeight + 2 * (border + padY)};

    const RECT work = win32::workAreaAtPoint(POINT{at.x, at.y});
    const Rect placed =
        placePopup(limitPopupSize(wanted, limit), at, Rect{work.left, work.top, work.right, work.bottom});
    if (placed.width() <= 0 || placed.height() <= 0)
        return;

    win32::DibCanvas canvas(placed.width(), placed.height());
    const HDC dc = canvas.dc();
    const win32::SelectionScope selectFont(dc, font.get());
    ::SetBkMode(dc, TRANSPARENT);
    const RECT all{0, 0, placed.width(), placed.height()};
    win32::fillRect(dc, all, ::GetSysColor(COLOR_WINDOW));
    int y = border + padY;
    if (!headerLines.empty()) {
        const RECT band{border, border, placed.width() - border, border + headerHeight};
        const int middle = (band.top + band.bottom) / 2;
        const COLORREF menu = ::GetSysColor(COLOR_MENU);
        win32::fillRect(dc, RECT{band.left, band.top, band.right, middle}, shifted(menu, 15));
        win32::fillRect(dc, RECT{band.left, middle, band.right, band.bottom}, shifted(menu, -20));
        win32::frameRect(dc, band, ::GetSysColor(COLOR_BTNSHADOW), border);
        drawLines(dc, headerLines, headerInset, border + padY, lineHeight, ::GetSysColor(COLOR_MENUTEXT));
        y = band.bottom + padY;
    }
    drawLines(dc, bodyLines, border + padX, y, lineHeight, ::GetSysColor(COLOR_WINDOWTEXT));
    win32::frameRect(dc, all, ::GetSysColor(COLOR_WINDOWFRAME), border);
    canvas.makeOpaque();
    present(canvas, placed);
}

void PopupWindow::showPicture(const win32::DibCanvas& picture, Point at) {
    if (showing_)
        return;
    try {
        drawPicture(picture, at);
    } catch (const std::exception& e) {
        win32::reportUnexpected("picture popup", e.what());
    }
}

void PopupWindow::drawPicture(const win32::DibCanvas& picture, Point at) {
    if (picture.width() <= 0 || picture.height() <= 0)
        return;
    const UINT dpi = win32::dpiAtPoint(POINT{at.x, at.y});
    const int border = std::max(1, win32::scaleToDpi(1, dpi));
    const PopupSize limit = maximumSize(dpi);
    const double factor = std::min({1.0, static_cast<double>(limit.width - 2 * border) / picture.width(),
                                    static_cast<double>(limit.height - 2 * border) / picture.height()});
    const PopupSize shown{std::max(kMinimumPictureSide, static_cast<int>(picture.width() * factor + 0.5)),
                          std::max(kMinimumPictureSide, static_cast<int>(picture.height() * factor + 0.5))};

    const RECT work = win32::workAreaAtPoint(POINT{at.x, at.y});
    const Rect placed = placePopup(PopupSize{shown.width + 2 * border, shown.height + 2 * border}, at,
                                   Rect{work.left, work.top, work.right, work.bottom});
    if (placed.width() <= 2 * border || placed.height() <= 2 * border)
        return;

    win32::DibCanvas canvas(placed.width(), placed.height());
    const HDC dc = canvas.dc();
    const RECT all{0, 0, placed.width(), placed.height()};
    win32::fillRect(dc, all, ::GetSysColor(COLOR_INFOBK));
    const int innerWidth = placed.width() - 2 * border;
    const int innerHeight = placed.height() - 2 * border;
    if (innerWidth == picture.width() && innerHeight == picture.height()) {
        ::BitBlt(dc, border, border, innerWidth, innerHeight, picture.dc(), 0, 0, SRCCOPY);
    } else {
        // HALFTONE averages the pixels a shrunk picture drops; it needs the brush origin set again.
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, border, border, innerWidth, innerHeight, picture.dc(), 0, 0, picture.width(),
                     picture.height(), SRCCOPY);
    }
    win32::frameRect(dc, all, ::GetSysColor(COLOR_WINDOWFRAME), border);
    canvas.makeOpaque();
    present(canvas, placed);
}

void PopupWindow::present(const win32::DibCanvas& canvas, const Rect& placed) {
    if (!canvas.presentOnLayeredWindow(hwnd(), placed.left, placed.top))
        return;
    ::SetWindowPos(hwnd(), HWND_TOPMOST, placed.left, placed.top, placed.width(), placed.height(),
                   SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    showing_ = true;
    position_ = Point{placed.left, placed.top};
}

void PopupWindow::hide() {
    if (!showing_)
        return;
    ::ShowWindow(hwnd(), SW_HIDE);
    showing_ = false;
}

} // namespace flickmark
