#include "recognizer/diagnostic_window_win.h"

#include "platform/win32/controls/edit.h"
#include "platform/win32/dpi.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_messages.h"

#include <algorithm>
#include <string>

namespace flickmark {
namespace {

constexpr UINT kLogChangedMessage = WM_APP + 1;

// Layout in logical pixels (96 DPI).
constexpr int kClientWidth = 360;
constexpr int kClientHeight = 440;
constexpr int kMargin = 8;
constexpr int kRowHeight = 22;
constexpr int kLabelWidth = 70;
constexpr int kValueWidth = 90;
constexpr int kValueRows = 6;

constexpr const wchar_t* kLabels[] = {L"X avg",   L"Y avg",   L"Up",      L"Down",    L"Left",  L"Right",
                                      L"Start X", L"Start Y", L"Mouse X", L"Mouse Y", L"Angle", L"Direction"};

// Digits are ASCII: widening std::to_string's text spares the exe the wide printf that to_wstring brings.
std::wstring number(int value) {
    const std::string digits = std::to_string(value);
    return std::wstring(digits.begin(), digits.end());
}

} // namespace

DiagnosticWindow::DiagnosticWindow(const Recognizer& recognizer, DiagnosticLog& log)
    : recognizer_(recognizer), log_(log) {
    win32::WindowClassSpec windowClass;
    windowClass.name = kMouseMonitorClassName;
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    win32::WindowCreateSpec window;
    window.title = kMouseMonitorTitle;
    window.style = WS_OVERLAPPEDWINDOW;
    window.exStyle = WS_EX_TOOLWINDOW;
    create(windowClass, window);
    createControls();
    log_.setListener(this);
    updateLogText();
}

DiagnosticWindow::~DiagnosticWindow() {
    log_.setListener(nullptr);
    destroyWindow();
}

void DiagnosticWindow::afterTick() {
    if (visible_)
        refreshLiveValues(false);
    refreshSampledCursor();
}

void DiagnosticWindow::show() {
    ::ShowWindow(hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd());
}

void DiagnosticWindow::createControls() {
    const HINSTANCE instance = win32::moduleInstance();
    for (int i = 0; i < kValueCount; ++i) {
        labels_[static_cast<std::size_t>(i)] =
            ::CreateWindowExW(0, L"STATIC", kLabels[i], WS_CHILD | WS_VISIBLE | SS_RIGHT, 0, 0, 0, 0, hwnd(),
                              nullptr, instance, nullptr);
        values_[static_cast<std::size_t>(i)] =
            ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 0, 0, hwnd(), nullptr,
                              instance, nullptr);
    }
    sampledCursorText_ = ::CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD, 0, 0, 0, 0, hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMouseMonitorSampledCursorId)), instance, nullptr);
    logEdit_ = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0, 0, hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMouseMonitorLogControlId)), instance, nullptr);
    win32::Edit(logEdit_).removeTextLimit();

    const UINT dpi = win32::dpiOfWindow(hwnd());
    RECT frame{0, 0, win32::scaleToDpi(kClientWidth, dpi), win32::scaleToDpi(kClientHeight, dpi)};
    ::AdjustWindowRectExForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_TOOLWINDOW, dpi);
    // Never larger than the work area, so that the log stays reachable on a small or highly scaled screen.
    RECT window{};
    ::GetWindowRect(hwnd(), &window);
    const RECT work = win32::workAreaAtPoint(POINT{window.left, window.top});
    const int width = std::min(frame.right - frame.left, work.right - work.left);
    const int height = std::min(frame.bottom - frame.top, work.bottom - work.top);
    ::SetWindowPos(hwnd(), nullptr, work.left, work.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    applyFont();
    layout();
    refreshLiveValues(true);
}

void DiagnosticWindow::applyFont() {
    const UINT dpi = win32::dpiOfWindow(hwnd());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    win32::UniqueFont font;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi))
        font.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    const HFONT shown = font ? font.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (std::size_t i = 0; i < kValueCount; ++i) {
        win32::setFont(labels_[i], shown, false);
        win32::setFont(values_[i], shown, false);
    }
    win32::setFont(logEdit_, shown, false);
    font_ = std::move(font); // the old font is deleted only after no control uses it
}

void DiagnosticWindow::layout() {
    const UINT dpi = win32::dpiOfWindow(hwnd());
    const auto s = [dpi](int logical) { return win32::scaleToDpi(logical, dpi); };
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    // Two label-value pairs per row: X avg | Y avg, Up | Down, ...
    for (int i = 0; i < kValueCount; ++i) {
        const int row = i / 2;
        const int column = i % 2;
        const int x = s(kMargin) + column * s(kLabelWidth + kValueWidth + kMargin);
        const int y = s(kMargin) + row * s(kRowHeight);
        ::MoveWindow(labels_[static_cast<std::size_t>(i)], x, y, s(kLabelWidth), s(kRowHeight - 4), FALSE);
        ::MoveWindow(values_[static_cast<std::size_t>(i)], x + s(kLabelWidth + 6), y, s(kValueWidth - 6),
                     s(kRowHeight - 4), FALSE);
    }
    const int logTop = s(kMargin) * 2 + kValueRows * s(kRowHeight);
    ::MoveWindow(logEdit_, s(kMargin), logTop, std::max(0, static_cast<int>(client.right) - 2 * s(kMargin)),
                 std::max(0, static_cast<int>(client.bottom) - logTop - s(kMargin)), FALSE);
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void DiagnosticWindow::refreshLiveValues(bool all) {
    const RecognizerLiveValues now = recognizer_.liveValues();
    const auto set = [&](Value which, int shown, int current) {
        if (all || shown != current)
            ::SetWindowTextW(values_[which], number(current).c_str());
    };
    set(XAvg, shownValues_.avgX, now.avgX);
    set(YAvg, shownValues_.avgY, now.avgY);
    set(Up, shownValues_.accUp, now.accUp);
    set(Down, shownValues_.accDown, now.accDown);
    set(Left, shownValues_.accLeft, now.accLeft);
    set(Right, shownValues_.accRight, now.accRight);
    set(StartX, shownValues_.anchor.x, now.anchor.x);
    set(StartY, shownValues_.anchor.y, now.anchor.y);
    set(MouseX, shownValues_.cursor.x, now.cursor.x);
    set(MouseY, shownValues_.cursor.y, now.cursor.y);
    set(Angle, shownValues_.smoothedAngle, now.smoothedAngle);
    if (all || shownValues_.directionText != now.directionText)
        ::SetWindowTextW(values_[DirectionName], win32::widen(now.directionText).c_str());
    shownValues_ = now;
}

// A changed text only: most ticks of a press, and every tick between presses, write nothing.
void DiagnosticWindow::refreshSampledCursor() {
    const Point cursor = recognizer_.sampledCursor();
    if (cursor.x == shownSampledCursor_.x && cursor.y == shownSampledCursor_.y)
        return;
    shownSampledCursor_ = cursor;
    ::SetWindowTextW(sampledCursorText_, (number(cursor.x) + L"," + number(cursor.y)).c_str());
}

void DiagnosticWindow::lineStarted(std::string_view) {
    scheduleLogUpdate();
}
void DiagnosticWindow::lineRepeated(int) {
    scheduleLogUpdate();
}
void DiagnosticWindow::cleared() {
    scheduleLogUpdate();
}

void DiagnosticWindow::scheduleLogUpdate() {
    // Several messages of one tick become one update of the control.
    if (logUpdatePending_)
        return;
    logUpdatePending_ = ::PostMessageW(hwnd(), kLogChangedMessage, 0, 0) != FALSE;
    if (!logUpdatePending_)
        updateLogText();
}

void DiagnosticWindow::updateLogText() {
    logUpdatePending_ = false;
    ::SetWindowTextW(logEdit_, win32::widen(log_.text()).c_str());
    const win32::Edit log(logEdit_);
    log.placeCaretAtEnd();
    log.scrollCaretIntoView();
}

LRESULT DiagnosticWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kLogChangedMessage:
        updateLogText();
        return 0;
    case WM_SHOWWINDOW:
        visible_ = wParam != FALSE;
        if (visible_)
            refreshLiveValues(true);
        break;
    case WM_SIZE:
        if (logEdit_)
            layout();
        return 0;
    case WM_DPICHANGED:
        win32::moveToSuggestedRect(hwnd(), lParam);
        applyFont();
        layout();
        return 0;
    case WM_CLOSE:
        // Closing only hides the diagnostic view; the recognizer keeps running.
        ::ShowWindow(hwnd(), SW_HIDE);
        return 0;
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace flickmark
