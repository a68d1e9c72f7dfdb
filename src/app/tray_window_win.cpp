#include "app/tray_window_win.h"

#include "app/popup_icons_win.h"
#include "app/tray_menu.h"
#include "app/version_text.h"
#include "platform/win32/dpi.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/text_convert.h"

#include <string>
#include <utility>

namespace flickmark {
namespace {

// Shell messages must reach the window also when the program runs elevated and the shell does not.
void acceptFromLowerIntegrity(HWND window, UINT message) {
    if (message != 0)
        ::ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

const char* commandName(TrayCommand command) {
    switch (command) {
    case TrayCommand::GesturesOn:
        return "Gestures on";
    case TrayCommand::Configure:
        return "Configure";
    case TrayCommand::EditGestures:
        return "Edit Gestures";
    case TrayCommand::About:
        return "About";
    case TrayCommand::Exit:
        return "Exit Flickmark";
    case TrayCommand::GesturesOffInProgram:
        return "Gestures off in the program";
    case TrayCommand::FlickmarkOffInProgram:
        return "Flickmark off in the program";
    case TrayCommand::None:
        break;
    }
    return "none";
}

} // namespace

TrayWindow::TrayWindow(Dependencies dependencies, const std::string& version)
    : deps_(std::move(dependencies)) {
    win32::WindowClassSpec windowClass;
    windowClass.name = kTrayWindowClassName;
    win32::WindowCreateSpec window;
    window.title = L"Flickmark";
    window.style = WS_OVERLAPPED;
    window.exStyle = WS_EX_TOOLWINDOW;
    create(windowClass, window);

    taskbarCreatedMessage_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    showGesturesMessage_ = ::RegisterWindowMessageW(kShowGesturesMessageName);
    acceptFromLowerIntegrity(hwnd(), taskbarCreatedMessage_);
    acceptFromLowerIntegrity(hwnd(), showGesturesMessage_);

    const std::string tip = trayTipText(version, true);
    icon_ = std::make_unique<TrayIcon>(hwnd(), win32::widen(tip), win32::widen(trayTipText(version, false)));
    retryTimer_ = deps_.scheduler.makeTimer("tray icon's retry timer", [this] { keeper_->onRetryTimer(); });
    keeper_ = std::make_unique<TrayIconKeeper>(*icon_, *retryTimer_, deps_.log);
    keeper_->show();
    deps_.log.append("tray tip: " + tip);
}

TrayWindow::~TrayWindow() {
    // The timer's callback uses what is destroyed below.
    if (retryTimer_)
        retryTimer_->setEnabled(false);
    removeIcon();
    destroyWindow();
}

bool TrayWindow::showNotice(const std::string& title, const std::string& text) {
    if (icon_ && icon_->showNotice(win32::widen(title), win32::widen(text)))
        return true;
    deps_.log.append("tray notice not shown (no icon): " + title);
    return false;
}

void TrayWindow::setGesturesOn(bool on) {
    keeper_->setGesturesOn(on);
}

void TrayWindow::closeMenu() noexcept {
    if (busy_)
        ::EndMenu();
}

void TrayWindow::removeIcon() {
    if (keeper_)
        keeper_->remove();
}

void TrayWindow::onIconMessage(UINT mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDBLCLK:
        deps_.actions.showGestures();
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: // a second right click soon after the first, e.g. just after a menu closed
        openMenu();
        break;
    default:
        break;
    }
}

std::optional<win32::MenuBuilder> TrayWindow::buildMenu(UINT dpi) {
    menuPictures_.clear();
    menuPictureSize_ = popupIconSize(dpi);
    TrayActions& actions = deps_.actions;
    menuProgramWindow_ = actions.programInFront();
    menuProgram_.reset();
    if (menuProgramWindow_)
        menuProgram_ = TrayProgram{menuProgramWindow_->exeName,
                                   actions.programListed(ProgramListKind::GesturesOff, *menuProgramWindow_),
                                   actions.programListed(ProgramListKind::FlickmarkOff, *menuProgramWindow_)};
    win32::MenuBuilder menu;
    for (const TrayMenuItem& item : trayMenuItems(actions.gesturesOn(), menuProgram_)) {
        if (item.separator()) {
            menu.separator();
            continue;
        }
        const auto id = static_cast<UINT>(item.command);
        // Every item has a picture, blank where it shows none: Wine leaves the picture column out of the
        // width of an item without one, and cuts off a long caption of such an item.
        menu.item(id, item.caption, {true, item.checked, true});
        if (item.picture != kNoPicture) {
            if (win32::UniqueIcon picture = popupIcon(item.picture, dpi))
                menuPictures_.emplace_back(id, std::move(picture));
        }
    }
    if (!menu.complete()) {
        deps_.log.append("The tray menu could not be built (" + std::to_string(::GetLastError()) + ")");
        return std::nullopt;
    }
    return menu;
}

void TrayWindow::openMenu() {
    if (busy_)
        return; // a second click while the menu is open
    busy_ = true;
    struct Idle {
        bool& busy;
        ~Idle() { busy = false; }
    } idle{busy_};

    POINT cursor{};
    ::GetCursorPos(&cursor);
    menu_.reset();
    menu_ = buildMenu(win32::dpiAtPoint(cursor));
    if (!menu_)
        return;
    // The menu closes on a click elsewhere only while one of our windows is in front.
    const auto menuWindow = reinterpret_cast<HWND>(deps_.actions.menuWindow());
    ::SetForegroundWindow(menuWindow);
    deps_.log.append("tray menu opened");
    const UINT command = menu_->choose(deps_.loops, hwnd(), POINT{cursor.x + 2, cursor.y - 4});
    // Without a message after it, the next menu of a hidden window may close at once (a known quirk).
    ::PostMessageW(menuWindow, WM_NULL, 0, 0);
    run(command);
}

void TrayWindow::measureMenuPicture(MEASUREITEMSTRUCT& item) const {
    item.itemWidth = static_cast<UINT>(menuPictureSize_);
    item.itemHeight = static_cast<UINT>(menuPictureSize_);
}

void TrayWindow::drawMenuPicture(const DRAWITEMSTRUCT& item) const {
    for (const auto& [id, picture] : menuPictures_) {
        if (id != item.itemID)
            continue;
        const RECT& at = item.rcItem;
        ::DrawIconEx(item.hDC, at.left + (at.right - at.left - menuPictureSize_) / 2,
                     at.top + (at.bottom - at.top - menuPictureSize_) / 2, picture.get(), menuPictureSize_,
                     menuPictureSize_, 0, nullptr, DI_NORMAL);
    }
}

void TrayWindow::run(UINT command) {
    const TrayCommand chosen = trayCommandFromId(command);
    if (chosen == TrayCommand::None) {
        deps_.log.append("tray menu closed without a choice");
        return;
    }
    deps_.log.append(std::string("tray menu choice ") + commandName(chosen));
    switch (chosen) {
    case TrayCommand::GesturesOn:
        deps_.actions.setGesturesOn(!deps_.actions.gesturesOn());
        break;
    case TrayCommand::Configure:
        deps_.actions.showConfiguration();
        break;
    case TrayCommand::EditGestures:
        deps_.actions.showGestures();
        break;
    case TrayCommand::About:
        deps_.actions.showAbout();
        break;
    case TrayCommand::Exit:
        deps_.actions.exitProgram();
        break;
    case TrayCommand::GesturesOffInProgram:
        if (menuProgram_)
            deps_.actions.setProgramListed(ProgramListKind::GesturesOff, *menuProgramWindow_,
                                           !menuProgram_->gesturesOff);
        break;
    case TrayCommand::FlickmarkOffInProgram:
        if (menuProgram_)
            deps_.actions.setProgramListed(ProgramListKind::FlickmarkOff, *menuProgramWindow_,
                                           !menuProgram_->flickmarkOff);
        break;
    case TrayCommand::None:
        break;
    }
}

LRESULT TrayWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayCallbackMessage) {
        onIconMessage(static_cast<UINT>(LOWORD(lParam)));
        return 0;
    }
    if (taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) {
        deps_.log.append("The shell has started again; adding the tray icon");
        icon_->reloadPictures();
        keeper_->onTaskbarCreated();
        return 0;
    }
    if (showGesturesMessage_ != 0 && message == showGesturesMessage_) {
        deps_.log.append("Flickmark was started again: showing the gestures window");
        deps_.actions.showGestures();
        return 0;
    }
    switch (message) {
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU)
            break;
        measureMenuPicture(item);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU)
            break;
        drawMenuPicture(item);
        return TRUE;
    }
    case WM_QUERYENDSESSION:
        return TRUE; // nothing that could stop the session from ending: everything is saved at its end
    case WM_ENDSESSION:
        // With wParam TRUE the process may be ended as soon as this returns.
        if (wParam)
            deps_.actions.endSession();
        return 0;
    case WM_CLOSE:
        return 0; // a hidden window nobody should close; the program ends from its menu
    default:
        break;
    }
    return defaultHandling(message, wParam, lParam);
}

} // namespace flickmark
