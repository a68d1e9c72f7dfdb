#include "app/about_window_win.h"

#include "app/about_window_ids.h"
#include "app/resource_ids.h"
#include "platform/win32/dpi.h"
#include "platform/win32/show_in_front.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_base.h"
#include "platform/win32/window_messages.h"

#include <string>
#include <string_view>
#include <utility>

namespace flickmark {
namespace {

constexpr int kNamePoints = 14;
constexpr int kIconPixels = 32; // at 100 %

// The width of a static control's text in its own font.
int textWidth(HWND control) {
    const win32::WindowDc dc(control);
    if (!dc)
        return 0;
    const auto font = win32::fontOf(control);
    const win32::SelectionScope selected(dc.get(), font);
    const std::wstring text = win32::windowText(control);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT clientRectOf(HWND control, HWND parent) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

AboutWindow::AboutWindow(std::optional<VersionText> version) : version_(std::move(version)) {
    create(IDD_ABOUT, nullptr);
}

void AboutWindow::show() {
    const HWND window = hwnd();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT work = win32::workAreaAtPoint(cursor);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ::SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    win32::showInFront(window);
    ::SetFocus(item(IDCANCEL));
}

void AboutWindow::hide() noexcept {
    if (hwnd())
        ::ShowWindow(hwnd(), SW_HIDE);
}

void AboutWindow::initialise() {
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_VERSION, version_ ? win32::widen(version_->version).c_str() : L"");
    ::SetDlgItemTextW(hwnd(), IDC_ABOUT_BUILD, version_ ? win32::widen(version_->build).c_str() : L"");
    applyDpi();
}

void AboutWindow::applyDpi() {
    const HWND window = hwnd();
    const UINT dpi = win32::dpiOfWindow(window);

    LOGFONTW name{};
    name.lfHeight = -::MulDiv(kNamePoints, static_cast<int>(dpi), 72);
    name.lfWeight = FW_BOLD;
    name.lfQuality = CLEARTYPE_QUALITY;
    std::wstring_view(L"Verdana").copy(name.lfFaceName, LF_FACESIZE - 1);
    win32::UniqueFont font(::CreateFontIndirectW(&name));
    if (font) {
        win32::setFont(item(IDC_ABOUT_NAME), font.get(), true);
        nameFont_ = std::move(font); // the old font is deleted only once the control has let it go
    }

    const int iconSize = win32::scaleToDpi(kIconPixels, dpi);
    win32::UniqueIcon icon(static_cast<HICON>(::LoadImageW(
        win32::moduleInstance(), MAKEINTRESOURCEW(IDI_FLICKMARK), IMAGE_ICON, iconSize, iconSize, 0)));
    if (icon) {
        ::SendDlgItemMessageW(window, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
        icon_ = std::move(icon);
    }

    // "Version:", the version and the build follow each other with one blank's room between.
    const HWND label = item(IDC_ABOUT_VERSION_LABEL);
    const HWND versionText = item(IDC_ABOUT_VERSION);
    const HWND buildText = item(IDC_ABOUT_BUILD);
    RECT at = clientRectOf(label, window);
    const int gap = win32::scaleToDpi(4, dpi);
    int x = at.left + textWidth(label) + gap;
    for (const HWND control : {versionText, buildText}) {
        const int width = textWidth(control) + win32::scaleToDpi(2, dpi);
        ::SetWindowPos(control, nullptr, x, at.top, width, at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE);
        x += width;
    }
}

std::optional<INT_PTR> AboutWindow::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initialise();
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            hide();
            return TRUE;
        }
        return std::nullopt;
    case WM_CLOSE:
        hide();
        return TRUE;
    default:
        return std::nullopt;
    }
}

} // namespace flickmark
