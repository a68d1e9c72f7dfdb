// The hidden tray window: owns the notification-area icon, its notices and its menu, and takes the requests
// of a second start of the program.
//
// Found by other processes as window class "FlickmarkTray" (a second start of the program, the end-to-end
// tests). It is an ordinary hidden top-level window, so it hears the shell's "TaskbarCreated" broadcast and
// the end of the Windows session.
#pragma once

#include "app/tray_actions.h"
#include "app/tray_icon_keeper.h"
#include "app/tray_icon_win.h"
#include "app/tray_menu.h"
#include "base/diagnostic_log.h"
#include "platform/nested_loop.h"
#include "platform/tray_notice.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/ui_scheduler.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_base.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace flickmark {

inline constexpr wchar_t kTrayWindowClassName[] = L"FlickmarkTray";
// Registered message that a second start posts to the first: show the gestures window.
inline constexpr wchar_t kShowGesturesMessageName[] = L"Flickmark.ShowGesturesWindow";

class TrayWindow final : public TrayNotice, private win32::WindowBase {
public:
    struct Dependencies {
        TrayActions& actions;
        NestedLoops& loops;
        DiagnosticLog& log;
        win32::UiScheduler& scheduler; // the icon's retries
    };

    // Creates the hidden window and adds the icon, with gestures on (trying again later when the shell
    // refuses). `tip` is the icon's tip text (UTF-8). Throws win32::Win32Error when the window cannot be
    // created.
    // `version` goes into the icon's tip ("Flickmark v2.1.0 - gestures on").
    TrayWindow(Dependencies dependencies, const std::string& version);
    ~TrayWindow() override;

    using win32::WindowBase::hwnd;

    bool menuOpen() const { return busy_; }
    // The icon's picture: gestures on or off.
    void setGesturesOn(bool on);

    // TrayNotice: a balloon from the icon; nothing while the icon is not shown.
    bool showNotice(const std::string& title, const std::string& text) override;

    // The program is ending: an open tray menu closes, the icon goes.
    void closeMenu() noexcept;
    void removeIcon();

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onIconMessage(UINT mouseMessage);
    void openMenu();
    // Nothing (with a line in the log) when the menu cannot be built. Its pictures suit `dpi`.
    std::optional<win32::MenuBuilder> buildMenu(UINT dpi);
    void run(UINT command);
    void measureMenuPicture(MEASUREITEMSTRUCT& item) const;
    void drawMenuPicture(const DRAWITEMSTRUCT& item) const;

    Dependencies deps_;
    UINT taskbarCreatedMessage_ = 0;
    UINT showGesturesMessage_ = 0;
    std::unique_ptr<TrayIcon> icon_;
    std::unique_ptr<Timer> retryTimer_;
    std::unique_ptr<TrayIconKeeper> keeper_;
    // The menu of the last opening and the pictures its items show (by command id); kept until the next
    // opening. The pictures are drawn by this window: menus under Wine draw a bitmap without its alpha.
    std::optional<win32::MenuBuilder> menu_;
    std::vector<std::pair<UINT, win32::UniqueIcon>> menuPictures_;
    std::optional<TrayProgram> menuProgram_; // the program the menu's per-program items are about
    std::optional<ProgramWindow> menuProgramWindow_;
    int menuPictureSize_ = 0;
    bool busy_ = false;
};

} // namespace flickmark
