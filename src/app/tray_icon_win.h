// The program's icon in the notification area (Shell_NotifyIconW, icon id 0 of the tray window), with its
// tip and two pictures: gestures on and gestures off. Removed when this object goes, if still shown.
#pragma once

#include "app/tray_icon_keeper.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace flickmark {

inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;

class TrayIcon final : public NotificationIcon {
public:
    // The window receives kTrayCallbackMessage with the mouse message in lParam. The tip says whether
    // gestures are on: `tipOn` while they are, else `tipOff`.
    TrayIcon(HWND window, const std::wstring& tipOn, const std::wstring& tipOff);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool add(bool gesturesOn) override;
    bool update(bool gesturesOn) override;
    void remove() override;

    // A warning balloon from the icon, while it is shown; the shell cuts a title beyond 63 characters and a
    // text beyond 255. Returns whether the shell took it.
    bool showNotice(const std::wstring& title, const std::wstring& text);

    // The pictures at the size the shell shows now (after a change of scaling).
    void reloadPictures();

private:
    NOTIFYICONDATAW data(bool gesturesOn) const;

    HWND window_;
    std::wstring tipOn_;
    std::wstring tipOff_;
    win32::UniqueIcon on_;
    win32::UniqueIcon off_;
    bool shown_ = false;
};

} // namespace flickmark
