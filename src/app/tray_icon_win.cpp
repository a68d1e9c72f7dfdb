#include "app/tray_icon_win.h"

#include "app/resource_ids.h"
#include "platform/win32/window_base.h"

#include <shellapi.h>

#include <algorithm>

namespace flickmark {
namespace {

constexpr UINT kIconId = 0;

win32::UniqueIcon loadPicture(int id) {
    // The shell shows small icons; at 150 % that is 24 pixels, which the picture holds itself.
    return win32::UniqueIcon(static_cast<HICON>(::LoadImageW(win32::moduleInstance(), MAKEINTRESOURCEW(id),
                                                             IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                             ::GetSystemMetrics(SM_CYSMICON), 0)));
}

} // namespace

TrayIcon::TrayIcon(HWND window, const std::wstring& tipOn, const std::wstring& tipOff)
    : window_(window), tipOn_(tipOn), tipOff_(tipOff) {
    reloadPictures();
}

TrayIcon::~TrayIcon() {
    if (shown_)
        remove();
}

void TrayIcon::reloadPictures() {
    on_ = loadPicture(IDI_TRAY_ON);
    off_ = loadPicture(IDI_TRAY_OFF);
}

NOTIFYICONDATAW TrayIcon::data(bool gesturesOn) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = gesturesOn ? on_.get() : off_.get();
    const std::wstring& tip = gesturesOn ? tipOn_ : tipOff_;
    const std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    tip.copy(data.szTip, length);
    data.szTip[length] = L'\0';
    return data;
}

bool TrayIcon::add(bool gesturesOn) {
    NOTIFYICONDATAW icon = data(gesturesOn);
    shown_ = ::Shell_NotifyIconW(NIM_ADD, &icon) != FALSE;
    return shown_;
}

bool TrayIcon::update(bool gesturesOn) {
    NOTIFYICONDATAW icon = data(gesturesOn);
    const bool updated = ::Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
    shown_ = shown_ || updated;
    return updated;
}

bool TrayIcon::showNotice(const std::wstring& title, const std::wstring& text) {
    if (!shown_)
        return false;
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window_;
    icon.uID = kIconId;
    icon.uFlags = NIF_INFO;
    icon.dwInfoFlags = NIIF_WARNING;
    const auto copyCut = [](const std::wstring& from, auto& to) {
        const std::size_t length = std::min(from.size(), std::size(to) - 1);
        from.copy(to, length);
        to[length] = L'\0';
    };
    copyCut(title, icon.szInfoTitle);
    copyCut(text, icon.szInfo);
    return ::Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

void TrayIcon::remove() {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window_;
    icon.uID = kIconId;
    ::Shell_NotifyIconW(NIM_DELETE, &icon);
    shown_ = false;
}

} // namespace flickmark
