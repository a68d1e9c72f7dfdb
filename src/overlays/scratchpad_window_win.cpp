#include "overlays/scratchpad_window_win.h"

#include "platform/win32/controls/tooltip.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/dpi.h"
#include "platform/win32/gdi_paint.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace flickmark {
namespace {

// While the mouse rests between the open pad and the screen edge, no window of ours is under it: poll.
constexpr int kEdgePollMs = 100;
constexpr UINT kHandBackMessage = WM_APP + 1;
constexpr UINT_PTR kGesturesToolId = 1;
constexpr UINT_PTR kHelpToolId = 2;

// Logical pixels of the top bar's contents.
constexpr int kButtonMargin = 2;
constexpr int kButtonSpacing = 1;
constexpr int kCaptionIndent = 6;
constexpr int kPenWidth = 2;
constexpr int kFallbackFontPoints = 9;
constexpr double kIconBox = 16.0;

constexpr COLORREF kPadColor = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kInkColor = RGB(0x00, 0x00, 0x00);
constexpr COLORREF kOutlineColor = RGB(0x80, 0x80, 0x80);

constexpr wchar_t kCaption[] = L"Gesture Scratchpad";
constexpr wchar_t kGesturesHint[] = L"Edit Gestures";
constexpr wchar_t kHelpHint[] = L"Help/Configure";

int scaled(int logical, int dpi) {
    return scaleForDpi(logical, dpi);
}

// The message font of the system at `dpi`; a plain sans-serif font if the system does not say.
LOGFONTW messageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                     static_cast<UINT>(dpi)))
        return metrics.lfMessageFont;
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(kFallbackFontPoints, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    std::wcscpy(font.lfFaceName, L"Tahoma");
    return font;
}

// The button's icon: a pencil, drawn from a 16 x 16 logical design centred in the button.
void drawPencil(HDC dc, const RECT& button, int dpi, COLORREF ink, COLORREF background) {
    const double scale = static_cast<double>(dpi) / kDefaultDpi;
    const double originX = (button.left + button.right) / 2.0 - kIconBox * scale / 2.0;
    const double originY = (button.top + button.bottom) / 2.0 - kIconBox * scale / 2.0;
    const auto at = [&](double x, double y) {
        return POINT{static_cast<LONG>(std::lround(originX + x * scale)),
                     static_cast<LONG>(std::lround(originY + y * scale))};
    };
    // Along the pencil from its point (bottom left) to its end (top right); the body is 4.4 units wide.
    const POINT tip[] = {at(1.5, 14.5), at(3.0, 9.9), at(6.1, 13.0)};
    const POINT body[] = {at(3.8, 9.1), at(11.9, 1.0), at(15.0, 4.1), at(6.9, 12.2)};
    const win32::UniqueBrush brush(::CreateSolidBrush(ink));
    const win32::SelectionScope selectBrush(dc, brush.get());
    const win32::SelectionScope selectPen(dc, ::GetStockObject(NULL_PEN));
    ::Polygon(dc, tip, 3);
    ::Polygon(dc, body, 4);
    // The ferrule: a thin gap across the body near its end.
    const win32::UniquePen gapPen(::CreatePen(PS_SOLID, std::max(1, scaled(1, dpi)), background));
    const win32::SelectionScope selectGap(dc, gapPen.get());
    const POINT gap[] = {at(10.4, 1.9), at(14.1, 5.6)};
    ::Polyline(dc, gap, 2);
}

} // namespace

ScratchpadWindow::ScratchpadWindow(Dependencies dependencies) : deps_(std::move(dependencies)) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_TAB_CLASSES; // tooltips
    ::InitCommonControlsEx(&controls);

    win32::WindowClassSpec windowClass;
    windowClass.name = kScratchpadClassName;
    windowClass.style = CS_DROPSHADOW | CS_SAVEBITS;
    win32::WindowCreateSpec window;
    window.title = kCaption;
    window.style = WS_POPUP;
    // Never activated: the program the user works in keeps the focus while the pad is used.
    window.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    window.x = 0;
    window.y = 0;
    window.width = 1;
    window.height = 1;
    window.owner = ::GetDesktopWindow();
    create(windowClass, window);
    createTooltip();

    closeTimer_ =
        deps_.scheduler.makeTimer("scratchpad's close timer", [this] { model_->closeTimerFired(); });
    // While the cursor rests between the open pad and the screen edge, it is looked at until it leaves.
    edgePollTimer_ = deps_.scheduler.makeTimer("scratchpad's edge timer", [this] {
        POINT cursor{};
        if (::GetCursorPos(&cursor) && !model_->holdsCursor(Point{cursor.x, cursor.y})) {
            edgePollTimer_->setEnabled(false);
            model_->mouseLeft();
        }
    });
    edgePollTimer_->setInterval(kEdgePollMs);
    model_ = std::make_unique<Scratchpad>(
        ScratchpadPorts{*this, *closeTimer_, deps_.input, deps_.desktop, deps_.focus});
}

ScratchpadWindow::~ScratchpadWindow() = default;

void ScratchpadWindow::createTooltip() {
    tooltip_ =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, win32::moduleInstance(), nullptr);
    if (!tooltip_) {
        deps_.log.append("scratchpad: no tooltips (CreateWindowEx error " + std::to_string(::GetLastError()) +
                         ")");
        return;
    }
    // The pad is never active, so its tips must show for an inactive window (TTS_ALWAYSTIP).
    for (const auto& [id, text] :
         {std::pair{kGesturesToolId, kGesturesHint}, std::pair{kHelpToolId, kHelpHint}}) {
        win32::Tooltip(tooltip_).addTool(hwnd(), id, RECT{}, text);
    }
}

// ---- ScratchpadView

PadScreen ScratchpadWindow::primaryScreen() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    RECT r{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (primary && ::GetMonitorInfoW(primary, &info))
        r = info.rcMonitor;
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    return PadScreen{Rect{r.left, r.top, r.right, r.bottom}, static_cast<int>(win32::dpiAtPoint(centre))};
}

void ScratchpadWindow::place(const Rect& bounds, bool topmost) {
    const int dpi = primaryScreen().dpi;
    ::SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, bounds.left, bounds.top, bounds.width(),
                   bounds.height(), SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    updateLayout(bounds.width(), bounds.height(), dpi);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void ScratchpadWindow::setShown(bool shown) {
    ::ShowWindow(hwnd(), shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

bool ScratchpadWindow::shown() const {
    return ::IsWindowVisible(hwnd()) != FALSE;
}

void ScratchpadWindow::pathChanged() {
    ::InvalidateRect(hwnd(), &layout_.drawing, FALSE);
}

// ---- Layout and painting

void ScratchpadWindow::updateLayout(int width, int height, int dpi) {
    Layout l;
    l.dpi = dpi;
    l.client = RECT{0, 0, width, height};
    l.topBar = RECT{0, 0, width, std::min(height, scaled(kScratchpadTopBarHeight, dpi))};
    l.drawing = RECT{0, l.topBar.bottom, width, height};
    // The buttons and the caption show only on the open pad, not on the strip.
    if (width > scaled(kScratchpadCollapsedWidth, dpi)) {
        const int margin = scaled(kButtonMargin, dpi);
        const int side = l.topBar.bottom - 2 * margin;
        l.helpButton = RECT{width - margin - side, margin, width - margin, margin + side};
        const int gesturesRight = l.helpButton.left - scaled(kButtonSpacing, dpi);
        l.gesturesButton = RECT{gesturesRight - side, margin, gesturesRight, margin + side};
    }
    layout_ = l;
    updateFonts(dpi);
    if (tooltip_) {
        for (const auto& [id, rect] :
             {std::pair{kGesturesToolId, l.gesturesButton}, std::pair{kHelpToolId, l.helpButton}}) {
            win32::Tooltip(tooltip_).moveTool(hwnd(), id, rect);
        }
    }
}

void ScratchpadWindow::updateFonts(int dpi) {
    if (dpi == fontDpi_ && captionFont_)
        return;
    LOGFONTW font = messageFont(dpi);
    captionFont_.reset(::CreateFontIndirectW(&font));
    // The "?" stands alone on its button: larger and bold, so it reads like an icon.
    font.lfHeight = font.lfHeight * 5 / 4;
    font.lfWeight = FW_BOLD;
    symbolFont_.reset(::CreateFontIndirectW(&font));
    fontDpi_ = dpi;
}

void ScratchpadWindow::paint() {
    PAINTSTRUCT ps{};
    const HDC target = ::BeginPaint(hwnd(), &ps);
    if (!target)
        return;
    struct EndPaintScope {
        HWND window;
        PAINTSTRUCT* ps;
        ~EndPaintScope() { ::EndPaint(window, ps); }
    } endPaint{hwnd(), &ps};

    const int width = layout_.client.right;
    const int height = layout_.client.bottom;
    if (width <= 0 || height <= 0)
        return;
    // Drawn off screen and copied in one go, so the pad does not flicker while a stroke grows.
    const win32::DibCanvas canvas(width, height);
    const HDC dc = canvas.dc();
    win32::fillRect(dc, layout_.client, kPadColor);
    drawPath(dc);
    win32::frameRect(dc, layout_.client, kOutlineColor, std::max(1, scaled(1, layout_.dpi)));
    drawTopBar(dc);
    ::BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

void ScratchpadWindow::drawTopBar(HDC dc) const {
    RECT bar = layout_.topBar;
    win32::fillRect(dc, bar, ::GetSysColor(COLOR_BTNFACE));
    // Raised inner and lowered outer bevel.
    ::DrawEdge(dc, &bar, EDGE_ETCHED, BF_RECT);
    if (layout_.helpButton.right <= layout_.helpButton.left)
        return;
    RECT caption{scaled(kCaptionIndent, layout_.dpi), bar.top, layout_.gesturesButton.left, bar.bottom};
    const win32::SelectionScope selectFont(dc, captionFont_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
    ::DrawTextW(dc, kCaption, -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    drawButton(dc, Button::Gestures, layout_.gesturesButton);
    drawButton(dc, Button::Help, layout_.helpButton);
}

void ScratchpadWindow::drawButton(HDC dc, Button button, const RECT& r) const {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF ink = ::GetSysColor(COLOR_BTNTEXT);
    win32::fillRect(dc, r, face);
    // Flat: a border only under the mouse, sunken while pressed.
    RECT edge = r;
    if (pressed_ == button && hot_ == button)
        ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ == button || pressed_ == button)
        ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    const int shift = pressed_ == button && hot_ == button ? std::max(1, scaled(1, layout_.dpi)) : 0;
    RECT content{r.left + shift, r.top + shift, r.right + shift, r.bottom + shift};
    if (button == Button::Gestures) {
        drawPencil(dc, content, layout_.dpi, ink, face);
        return;
    }
    const win32::SelectionScope selectFont(dc, symbolFont_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ink);
    ::DrawTextW(dc, L"?", 1, &content, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void ScratchpadWindow::drawPath(HDC dc) const {
    if (!model_ || model_->strokes().empty())
        return;
    const std::vector<Scratchpad::Stroke>& strokes = model_->strokes();
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, layout_.drawing.left, layout_.drawing.top, layout_.drawing.right,
                        layout_.drawing.bottom);
    const int penWidth = scaled(kPenWidth, layout_.dpi);
    LOGBRUSH ink{BS_SOLID, kInkColor, 0};
    const win32::UniquePen pen(::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                              static_cast<DWORD>(penWidth), &ink, 0, nullptr));
    const win32::UniqueBrush dot(::CreateSolidBrush(kInkColor));
    {
        const win32::SelectionScope selectPen(dc, pen.get());
        const win32::SelectionScope selectBrush(dc, dot.get());
        for (const Scratchpad::Stroke& stroke : strokes) {
            if (stroke.size() == 1) { // a press without movement: a dot the size of the pen
                const Point p = stroke.front();
                const int r = std::max(1, penWidth / 2);
                ::Ellipse(dc, p.x - r, p.y - r, p.x + r + 1, p.y + r + 1);
                continue;
            }
            std::vector<POINT> points;
            points.reserve(stroke.size());
            for (const Point& p : stroke)
                points.push_back(POINT{p.x, p.y});
            ::Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
    }
    ::RestoreDC(dc, saved);
}

// ---- Mouse

ScratchpadWindow::Button ScratchpadWindow::buttonAt(POINT p) const {
    if (::PtInRect(&layout_.gesturesButton, p))
        return Button::Gestures;
    if (::PtInRect(&layout_.helpButton, p))
        return Button::Help;
    return Button::None;
}

void ScratchpadWindow::setHot(Button button) {
    if (button == hot_)
        return;
    hot_ = button;
    ::InvalidateRect(hwnd(), &layout_.topBar, FALSE);
}

void ScratchpadWindow::onMouseMove(POINT p) {
    edgePollTimer_->setEnabled(false);
    if (!trackingMouse_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = hwnd();
        trackingMouse_ = ::TrackMouseEvent(&track) != FALSE;
        model_->mouseEntered();
        // Opening moved the window under the cursor: find the cursor in the new client area.
        POINT cursor{};
        if (::GetCursorPos(&cursor) && ::ScreenToClient(hwnd(), &cursor))
            p = cursor;
    }
    setHot(buttonAt(p));
}

void ScratchpadWindow::onMouseLeave() {
    trackingMouse_ = false;
    setHot(Button::None);
    POINT cursor{};
    if (::GetCursorPos(&cursor) && model_->holdsCursor(Point{cursor.x, cursor.y})) {
        edgePollTimer_->setEnabled(true);
        return;
    }
    model_->mouseLeft();
}

void ScratchpadWindow::onLeftButtonDown(POINT p) {
    const Button button = buttonAt(p);
    if (button == Button::None)
        return;
    pressed_ = button;
    ::SetCapture(hwnd());
    ::InvalidateRect(hwnd(), &layout_.topBar, FALSE);
}

void ScratchpadWindow::onLeftButtonUp(POINT p) {
    if (pressed_ == Button::None)
        return;
    const Button button = pressed_;
    pressed_ = Button::None;
    ::ReleaseCapture();
    ::InvalidateRect(hwnd(), &layout_.topBar, FALSE);
    if (buttonAt(p) == button)
        choose(button);
}

void ScratchpadWindow::choose(Button button) {
    if (tooltip_)
        win32::Tooltip(tooltip_).hide();
    hot_ = Button::None;
    model_->commandChosen();
    const auto& command = button == Button::Gestures ? deps_.editGestures : deps_.configure;
    if (command)
        command();
}

LRESULT ScratchpadWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ACTIVATE:
        // Should the system activate the pad anyway, the foreground goes back to the program in front.
        if (LOWORD(wParam) != WA_INACTIVE && !handBackPending_) {
            handBackPending_ = true;
            ::PostMessageW(hwnd(), kHandBackMessage, 0, 0);
        }
        return 0;
    case kHandBackMessage:
        handBackPending_ = false;
        deps_.log.append("scratchpad activated: foreground handed back");
        model_->activated();
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(at);
        return 0;
    case WM_MOUSELEAVE:
        onMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(at);
        return 0;
    case WM_LBUTTONUP:
        onLeftButtonUp(at);
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_ != Button::None) {
            pressed_ = Button::None;
            ::InvalidateRect(hwnd(), &layout_.topBar, FALSE);
        }
        return 0;
    case WM_CONTEXTMENU: // the right button draws here; it opens nothing
        return 0;
    case WM_DPICHANGED:
    case WM_DISPLAYCHANGE:
        if (model_)
            model_->screenChanged();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

} // namespace flickmark
