#include "editors/gesture_drawing_dialog_win.h"

#include "base/direction.h"
#include "editors/gesture_editor_ids.h"
#include "platform/win32/controls/check_box.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_paint.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <commctrl.h>
#include <windowsx.h>

namespace flickmark {
namespace {

constexpr wchar_t kDrawingClassName[] = L"FlickmarkGestureDrawing";
constexpr UINT_PTR kAreaSubclassId = 1;
constexpr COLORREF kCornerColour = RGB(200, 40, 40);
constexpr COLORREF kStartColour = RGB(30, 140, 60);

// Logical pixels at 96 DPI.
constexpr int kPathWidth = 3;
constexpr int kMarkRadius = 5;
constexpr int kTextMargin = 6;

void drawPath(HDC dc, const std::vector<POINT>& points, COLORREF colour, int width) {
    if (points.size() < 2)
        return;
    const win32::UniquePen pen{::CreatePen(PS_SOLID, width, colour)};
    const win32::SelectionScope selected{dc, pen.get()};
    ::Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void drawMark(HDC dc, Point at, int radius, COLORREF colour, bool filled, int width) {
    const win32::UniquePen pen{::CreatePen(PS_SOLID, width, colour)};
    const win32::UniqueBrush brush{::CreateSolidBrush(colour)};
    const win32::SelectionScope selectedPen{dc, pen.get()};
    const win32::SelectionScope selectedBrush{dc, filled ? static_cast<HGDIOBJ>(brush.get())
                                                         : ::GetStockObject(HOLLOW_BRUSH)};
    ::Ellipse(dc, at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1);
}

std::vector<POINT> toPoints(const std::vector<Point>& path) {
    std::vector<POINT> points;
    points.reserve(path.size());
    for (const Point p : path)
        points.push_back({p.x, p.y});
    return points;
}

} // namespace

GestureDrawingDialog::GestureDrawingDialog(NestedLoops& nestedLoops, DiagnosticLog& log)
    : nestedLoops_(nestedLoops), log_(log) {
    win32::registerDialogClass(kDrawingClassName);
}

std::optional<std::string> GestureDrawingDialog::draw(HWND owner, const RecognizerSettings& settings) {
    model_.emplace(settings);
    press_.clear();
    drawingButton_ = 0;
    const INT_PTR ended = runModal(nestedLoops_, IDD_GESTURE_DRAWING, owner);
    std::optional<std::string> chosen;
    if (ended == IDOK && !model_->chosen().empty())
        chosen = model_->chosen();
    model_.reset();
    return chosen;
}

std::optional<INT_PTR> GestureDrawingDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        area_ = item(IDC_DRAWING_AREA);
        ::SetWindowSubclass(area_, &GestureDrawingDialog::areaProc, kAreaSubclassId,
                            reinterpret_cast<DWORD_PTR>(this));
        refresh();
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDC_DRAWING_THREE_TIMES && HIWORD(wParam) == BN_CLICKED) {
            model_->setThreeTimes(win32::CheckBox(item(id)).checked());
            refresh();
            return TRUE;
        }
        if (id == IDOK) {
            if (!model_->chosen().empty())
                endModal(IDOK);
            return TRUE;
        }
        if (id == IDCANCEL) {
            endModal(IDCANCEL);
            return TRUE;
        }
        return std::nullopt;
    }
    case WM_DESTROY:
        ::RemoveWindowSubclass(area_, &GestureDrawingDialog::areaProc, kAreaSubclassId);
        area_ = nullptr;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

LRESULT CALLBACK GestureDrawingDialog::areaProc(HWND area, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR, DWORD_PTR self) {
    auto& dialog = *reinterpret_cast<GestureDrawingDialog*>(self);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC target = ::BeginPaint(area, &ps);
        RECT client;
        ::GetClientRect(area, &client);
        // Drawn off screen first, so that the path does not flicker while it grows.
        const win32::UniqueDc buffer{::CreateCompatibleDC(target)};
        const win32::UniqueBitmap bitmap{::CreateCompatibleBitmap(target, client.right, client.bottom)};
        if (buffer && bitmap) {
            const win32::SelectionScope selected{buffer.get(), bitmap.get()};
            dialog.paintArea(buffer.get(), client);
            ::BitBlt(target, 0, 0, client.right, client.bottom, buffer.get(), 0, 0, SRCCOPY);
        } else {
            dialog.paintArea(target, client);
        }
        ::EndPaint(area, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(32515))); // the cross, IDC_CROSS
        return TRUE;
    case WM_CONTEXTMENU:
        return 0; // a right-button drawing opens no menu
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        if (dialog.onAreaMouse(message, lParam))
            return 0;
        return ::DefSubclassProc(area, message, wParam, lParam);
    }
}

bool GestureDrawingDialog::onAreaMouse(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (drawingButton_ != 0)
            return true; // the other button during a drawing changes nothing
        drawingButton_ = message == WM_LBUTTONDOWN ? WM_LBUTTONUP : WM_RBUTTONUP;
        press_.clear();
        firstMessageTime_ = static_cast<DWORD>(::GetMessageTime());
        ::SetCapture(area_);
        addPoint(lParam);
        return true;
    case WM_MOUSEMOVE:
        if (drawingButton_ != 0)
            addPoint(lParam);
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (message != drawingButton_)
            return true;
        addPoint(lParam);
        finishDrawing();
        return true;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a system key, a message box): the drawing is dropped.
        if (drawingButton_ != 0) {
            drawingButton_ = 0;
            press_.clear();
            ::InvalidateRect(area_, nullptr, FALSE);
        }
        return false;
    default:
        return false;
    }
}

void GestureDrawingDialog::addPoint(LPARAM lParam) {
    // Message times are milliseconds that wrap; counted from the press, they do not.
    const DWORD since = static_cast<DWORD>(::GetMessageTime()) - firstMessageTime_;
    const TimedPoint point{static_cast<std::int64_t>(since), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}};
    if (!press_.empty() && press_.back().at == point.at && press_.back().timeMs == point.timeMs)
        return;
    if (!press_.empty() && point.timeMs < press_.back().timeMs)
        return;
    press_.push_back(point);
    ::InvalidateRect(area_, nullptr, FALSE);
}

void GestureDrawingDialog::finishDrawing() {
    drawingButton_ = 0;
    ::ReleaseCapture();
    model_->drawn(press_);
    const std::string& gesture = model_->shown()->gesture;
    log_.append(gesture.empty() ? std::string("Drawing read as no gesture")
                                : "Drawing read as " + gestureDisplayName(gesture) + " (" + gesture + ")");
    press_.clear();
    refresh();
}

void GestureDrawingDialog::refresh() {
    ::SetDlgItemTextW(hwnd(), IDC_DRAWING_STATUS, win32::widen(model_->status()).c_str());
    ::EnableWindow(item(IDOK), model_->chosen().empty() ? FALSE : TRUE);
    ::InvalidateRect(area_, nullptr, FALSE);
}

void GestureDrawingDialog::paintArea(HDC dc, const RECT& client) const {
    const UINT dpi = win32::dpiOfWindow(area_);
    const int width = win32::scaleToDpi(kPathWidth, dpi);
    const int radius = win32::scaleToDpi(kMarkRadius, dpi);
    win32::fillRect(dc, client, ::GetSysColor(COLOR_WINDOW));
    win32::frameRect(dc, client, ::GetSysColor(COLOR_BTNSHADOW), 1);

    const HFONT font = reinterpret_cast<HFONT>(::SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    const win32::SelectionScope selectedFont{dc, font};
    ::SetBkMode(dc, TRANSPARENT);
    RECT text = client;
    ::InflateRect(&text, -win32::scaleToDpi(kTextMargin, dpi), -win32::scaleToDpi(kTextMargin, dpi));

    if (drawingButton_ != 0) {
        std::vector<Point> path;
        for (const TimedPoint& p : press_)
            path.push_back(p.at);
        drawPath(dc, toPoints(path), ::GetSysColor(COLOR_HIGHLIGHT), width);
        return;
    }
    const std::optional<DrawingReading>& shown = model_->shown();
    if (!shown) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextW(dc, L"Draw here", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    drawPath(dc, toPoints(shown->path), ::GetSysColor(COLOR_HIGHLIGHT), width);
    if (!shown->path.empty())
        drawMark(dc, shown->path.front(), radius, kStartColour, true, width);
    for (std::size_t i = 1; i < shown->corners.size(); ++i)
        drawMark(dc, shown->corners[i], radius, kCornerColour, i + 1 < shown->corners.size(), width);
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    const std::wstring name = shown->gesture.empty() ? std::wstring(L"No gesture")
                                                     : win32::widen(gestureDisplayName(shown->gesture));
    ::DrawTextW(dc, name.c_str(), -1, &text, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace flickmark
