// Shows gesture previews drawn by Flickmark's own GDI renderer, so a screenshot can judge them: a sheet
// window with a row of previews at 100 % and one at 150 % (the sizes of the gestures window's picture),
// and the popup window showing one preview as the help menu shows it.
//
// Usage: preview_sheet.exe LOGFILE [--at X Y]
//   --at  the sheet's top-left corner on the screen (default 20 20); the popup goes below the sheet
// Once everything is on the screen, LOGFILE gets (all rectangles in screen pixels, right and bottom
// exclusive):
//   cell GESTURE SCALE LEFT TOP RIGHT BOTTOM      one preview picture
//   popup GESTURE LEFT TOP RIGHT BOTTOM           the popup window with its frame
//   ready LEFT TOP RIGHT BOTTOM                   the sheet window; the last line
// The program runs until it is ended.
#include "library/gesture_preview_popup_win.h"
#include "overlays/gesture_preview.h"
#include "overlays/gesture_preview_win.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/dpi.h"
#include "popup/popup_window_win.h"

#include <windows.h>

#include <shellapi.h> // after windows.h

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

using flickmark::kGesturePreviewHeight;
using flickmark::kGesturePreviewWidth;

constexpr wchar_t kClassName[] = L"FlickmarkPreviewSheet";
constexpr int kPadding = 6;
constexpr int kRowLabelWidth = 40;
constexpr int kLabelHeight = 18;
constexpr double kScales[] = {1.0, 1.5};
constexpr char kPopupGesture[] = "0312";

std::string repeated(const std::string& codes, int times) {
    std::string gesture;
    for (int i = 0; i < times; ++i)
        gesture += codes;
    return gesture;
}

// Two gestures of 40 codes each: a staircase, and strokes side by side.
const std::vector<std::string>& gestures() {
    static const std::vector<std::string> list = {
        "03", "00", "0312", "4657", "2031", "5713", repeated("03", 20), repeated("01", 20)};
    return list;
}

// A long gesture is labelled by its first codes and its length.
std::wstring labelOf(const std::string& gesture) {
    if (gesture.size() <= 8)
        return std::wstring(gesture.begin(), gesture.end());
    return std::wstring(gesture.begin(), gesture.begin() + 4) + L"... (" + std::to_wstring(gesture.size()) +
           L")";
}

int scaled(int logical, double scale) {
    return static_cast<int>(logical * scale + 0.5);
}

int columnWidth() {
    return scaled(kGesturePreviewWidth, kScales[1]) + kPadding;
}

// Where each picture goes on the sheet, row by row.
struct Cell {
    std::string gesture;
    double scale;
    RECT rect;
};

std::vector<Cell> layoutCells() {
    std::vector<Cell> cells;
    int top = kPadding;
    for (const double scale : kScales) {
        const int width = scaled(kGesturePreviewWidth, scale);
        const int height = scaled(kGesturePreviewHeight, scale);
        int column = 0;
        for (const std::string& gesture : gestures()) {
            const int left = kPadding + kRowLabelWidth + column * columnWidth() + (columnWidth() - width) / 2;
            cells.push_back(Cell{gesture, scale, RECT{left, top, left + width, top + height}});
            ++column;
        }
        top += height + kLabelHeight + kPadding;
    }
    return cells;
}

SIZE sheetSize(const std::vector<Cell>& cells) {
    LONG bottom = 0;
    for (const Cell& cell : cells)
        bottom = std::max(bottom, cell.rect.bottom + kLabelHeight);
    const int width =
        kPadding + kRowLabelWidth + static_cast<int>(gestures().size()) * columnWidth() + kPadding;
    return SIZE{width, bottom + kPadding};
}

void drawLabel(HDC dc, const std::wstring& text, RECT box) {
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
                DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

std::unique_ptr<flickmark::win32::DibCanvas> drawSheet(const std::vector<Cell>& cells, SIZE size) {
    auto sheet = std::make_unique<flickmark::win32::DibCanvas>(size.cx, size.cy);
    const HDC dc = sheet->dc();
    const RECT all{0, 0, size.cx, size.cy};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetBkMode(dc, TRANSPARENT);
    ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    for (const Cell& cell : cells) {
        flickmark::win32::DibCanvas picture(cell.rect.right - cell.rect.left,
                                            cell.rect.bottom - cell.rect.top);
        flickmark::renderGesturePreview(picture, cell.gesture, cell.scale);
        ::BitBlt(dc, cell.rect.left, cell.rect.top, picture.width(), picture.height(), picture.dc(), 0, 0,
                 SRCCOPY);
        drawLabel(dc, labelOf(cell.gesture),
                  RECT{cell.rect.left - kPadding / 2, cell.rect.bottom, cell.rect.right + kPadding / 2,
                       cell.rect.bottom + kLabelHeight});
        if (cell.gesture == gestures().front()) {
            const std::wstring row = std::to_wstring(static_cast<int>(cell.scale * 100)) + L" %";
            drawLabel(dc, row, RECT{kPadding, cell.rect.top, kPadding + kRowLabelWidth, cell.rect.bottom});
        }
    }
    sheet->makeOpaque();
    return sheet;
}

flickmark::win32::DibCanvas* g_sheet = nullptr;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        const HDC dc = ::BeginPaint(window, &paint);
        if (g_sheet != nullptr)
            ::BitBlt(dc, 0, 0, g_sheet->width(), g_sheet->height(), g_sheet->dc(), 0, 0, SRCCOPY);
        ::EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

std::string rectText(LONG left, LONG top, LONG right, LONG bottom) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "%ld %ld %ld %ld", static_cast<long>(left), static_cast<long>(top),
                  static_cast<long>(right), static_cast<long>(bottom));
    return buffer;
}

bool writeLog(const wchar_t* path, const std::string& text) {
    const HANDLE file = ::CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != FALSE;
    ::CloseHandle(file);
    return ok && written == text.size();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 2)
        return 2;
    POINT origin{20, 20};
    if (argc >= 5 && std::wcscmp(argv[2], L"--at") == 0)
        origin = POINT{std::wcstol(argv[3], nullptr, 10), std::wcstol(argv[4], nullptr, 10)};

    const std::vector<Cell> cells = layoutCells();
    const SIZE size = sheetSize(cells);
    std::unique_ptr<flickmark::win32::DibCanvas> sheet;
    try {
        sheet = drawSheet(cells, size);
    } catch (...) {
        return 3;
    }
    g_sheet = sheet.get();

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    ::RegisterClassW(&windowClass);
    const HWND window = ::CreateWindowExW(0, kClassName, L"Flickmark Preview Sheet", WS_POPUP, origin.x,
                                          origin.y, size.cx, size.cy, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        writeLog(argv[1], "no window: error " + std::to_string(::GetLastError()) + "\n");
        return 4;
    }
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);

    // The popup as the help menu shows it: below the sheet, at the DPI of the monitor there.
    std::unique_ptr<flickmark::PopupWindow> popup;
    std::string log;
    try {
        popup = std::make_unique<flickmark::PopupWindow>();
        const flickmark::Point at{origin.x + kPadding, origin.y + size.cy + kPadding};
        const UINT dpi = flickmark::win32::dpiAtPoint(POINT{at.x, at.y});
        flickmark::showGesturePreview(*popup, kPopupGesture, at, dpi);
        if (popup->isShowing()) {
            const flickmark::Point corner = popup->position();
            const int frame = 2 * std::max(1, flickmark::win32::scaleToDpi(1, dpi));
            log += std::string("popup ") + kPopupGesture + " " +
                   rectText(corner.x, corner.y,
                            corner.x + flickmark::win32::scaleToDpi(kGesturePreviewWidth, dpi) + frame,
                            corner.y + flickmark::win32::scaleToDpi(kGesturePreviewHeight, dpi) + frame) +
                   "\n";
        }
    } catch (...) {
        // No popup line: the harness reports the missing popup.
    }

    for (const Cell& cell : cells) {
        char scale[16];
        std::snprintf(scale, sizeof scale, "%.1f", cell.scale);
        log += "cell " + cell.gesture + " " + scale + " " +
               rectText(origin.x + cell.rect.left, origin.y + cell.rect.top, origin.x + cell.rect.right,
                        origin.y + cell.rect.bottom) +
               "\n";
    }
    log += "ready " + rectText(origin.x, origin.y, origin.x + size.cx, origin.y + size.cy) + "\n";
    if (!writeLog(argv[1], log))
        return 5;
    ::LocalFree(argv);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
