#include "app/application_win.h"

#include "app/file_version_win.h"
#include "app/popup_icons_win.h"
#include "app/resource_ids.h"
#include "platform/win32/message_loop.h"
#include "settings/settings_table.h"

#include <charconv>
#include <exception>
#include <utility>

namespace flickmark {
namespace {

std::string hex(unsigned long value) {
    char digits[16] = {};
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value, 16).ptr;
    return "0x" + std::string(digits, end);
}

} // namespace

Application::Application(std::string dataFolder, std::string signInCommand)
    : dataFolder_(std::move(dataFolder)),
      keystrokes_(KeystrokeSenderPorts{platform_.keyboardOut, platform_.clock, platform_.clipboard,
                                       platform_.wallClock, dataFiles_},
                  programs_, log_, dataFolder_),
      gestureStore_(dataFiles_, platform_.codePage, log_, dataFolder_),
      settings_(dataFiles_, platform_.codePage, log_, dataFolder_ + std::string(kSettingsFileName)),
      signInStartChoice_(platform_.signInStart, std::move(signInCommand)) {
    if (!com_.initialised())
        log_.append("COM could not be initialised (" + hex(static_cast<unsigned long>(com_.result())) +
                    "); opening some files and folders may fail");
    createGesturesWindow();
    createMouseMonitor();
    createGestureLibrary();
    links_.link([this] { handOver_->setTarget(dispatcher_.get()); },
                [this] { handOver_->setTarget(nullptr); });
    createGestureMenus();

    createTray();
    aboutWindow_ = std::make_unique<AboutWindow>(version_);
    createScratchpad();
    configurationWindow_ = std::make_unique<ConfigurationWindow>(
        ConfigurationWindow::Dependencies{settings_, messageBoxes_, log_, popupIcons_.get(), IDI_FLICKMARK,
                                          &signInStartChoice_, programLists_, &platform_.runningPrograms});
    links_.link([this] { configurationPages_.window = configurationWindow_.get(); },
                [this] { configurationPages_.window = nullptr; });
    exitClosers_.push_back([this] { configurationWindow_->closeForExit(); });
    loadSettings();
    foregroundWatch_->start();
    keystrokeDialog_ = std::make_unique<KeystrokeDialog>(nestedLoops_);
    gestureWizard_ = std::make_unique<GestureWizardWindow>(GestureWizardWindow::Dependencies{
        nestedLoops_, log_, *keystrokeDialog_, platform_.knownFolders, platform_.codePage,
        [this] { return mouseMonitor_->recognizer().settings().enableDiagonals; }, gesturesWindow_->hwnd()});
    links_.link([this] { gesturesWindow_->setEditing(gestureWizard_.get()); },
                [this] { gesturesWindow_->setEditing(nullptr); });
}

// The first window: it loads the global gesture set, and is the hidden main window. Its set selector shows
// the shared pictures, which are made for it.
void Application::createGesturesWindow() {
    popupIcons_ = createPopupIcons(::GetDpiForSystem());
    const HINSTANCE instance = win32::moduleInstance();
    const auto icon = [&](int size) {
        return static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_FLICKMARK), IMAGE_ICON, size, size, LR_SHARED));
    };
    gesturesWindow_ = std::make_unique<GesturesWindow>(GesturesWindow::Dependencies{
        gestureStore_, platform_.desktop, platform_.windowFocus, nestedLoops_, messageBoxes_,
        configurationPages_, log_, popupIcons_.get(), icon(::GetSystemMetrics(SM_CXICON)),
        icon(::GetSystemMetrics(SM_CXSMICON)), [this] {
            if (mouseMonitor_)
                mouseMonitor_->show();
        }});
    exitClosers_.push_back([this] { gesturesWindow_->closeForExit(); });
}

// The recognizer with its arrows. What it hands over waits in a queue that the main loop delivers, once the
// tick that handed it over has returned, to the dispatcher (connected when it exists).
void Application::createMouseMonitor() {
    arrows_ = std::make_unique<PopupWindow>();
    arrowsPort_ = std::make_unique<ArrowPopupWindow>(*arrows_);
    handOver_ = std::make_unique<GestureHandOverQueue>(
        [this] { return scheduler_.post([this] { handOver_->deliver(); }); });
    mouseMonitor_ = std::make_unique<MouseMonitor>(
        MouseMonitor::Dependencies{platform_.input, platform_.desktop, *arrowsPort_, scratchpadTrail_,
                                   *handOver_, log_, pressGate_, scheduler_});
}

// What the gestures window holds besides the sets: the gesture-name popup with its close timer, and the
// dispatcher that looks gestures up and runs their actions.
void Application::createGestureLibrary() {
    programs_.setOwnerWindow(reinterpret_cast<WindowId>(gesturesWindow_->hwnd()));
    namePopup_ = std::make_unique<PopupWindow>();
    namePopupPort_ = std::make_unique<TextPopupWindow>(*namePopup_);
    closePopupTimer_ =
        scheduler_.makeTimer("name popup's timer", [this] { dispatcher_->onClosePopupTimer(); });
    directionsMenu_ = std::make_unique<Win32PopupMenu>(nestedLoops_);
    contextMenuCloser_ = std::make_unique<ContextMenuCloser>(nestedLoops_, log_);
    helpConfigTimer_ = scheduler_.makeTimer("help menu's Configure timer", [this] {
        if (gestureMenus_)
            gestureMenus_->onHelpConfigTimer();
    });
    dispatcher_ = std::make_unique<GestureDispatcher>(
        DispatcherPorts{platform_.desktop, platform_.input, platform_.clock, *closePopupTimer_,
                        *namePopupPort_, *contextMenuCloser_, scratchpadVisibility_, foreground_, keystrokes_,
                        programs_, gestureStore_, log_, keyTargets_});
}

// The scratchpad stays hidden until the settings enable it. Its buttons open the gestures window and the
// configuration window at the scratchpad's page.
void Application::createScratchpad() {
    scratchpadWindow_ = std::make_unique<ScratchpadWindow>(ScratchpadWindow::Dependencies{
        platform_.input, platform_.desktop, platform_.windowFocus, log_, scheduler_,
        [this] { gesturesWindow_->show(); },
        [this] { configurationWindow_->showPage(configuration_page::kScratchpad); }});
    links_.link(
        [this] {
            scratchpadTrail_.pad = &scratchpadWindow_->model();
            scratchpadVisibility_.pad = &scratchpadWindow_->model();
        },
        [this] {
            scratchpadTrail_.pad = nullptr;
            scratchpadVisibility_.pad = nullptr;
        });
}

void Application::createGestureMenus() {
    Recognizer& recognizer = mouseMonitor_->recognizer();
    links_.link(
        [this, &recognizer] {
            nestedLoops_.setObserver(&recognizer);
            platform_.clock.setNestedLoops(&nestedLoops_);
        },
        [this] {
            platform_.clock.setNestedLoops(nullptr);
            nestedLoops_.setObserver(nullptr);
        });
    gestureMenus_ = std::make_unique<GestureMenus>(
        GestureMenusPorts{*directionsMenu_, *namePopupPort_, platform_.input, platform_.clock,
                          *helpConfigTimer_, nestedLoops_, *contextMenuCloser_, platform_.desktop,
                          foreground_, gestureStore_, recognizer, configurationPages_, programLists_, log_},
        [this](const std::string& gesture) { dispatcher_->runGesture(gesture, true); });
    // The highlighted entry's drawing shows beside the menu in a popup of its own.
    menuPreviewPopup_ = std::make_unique<PopupWindow>();
    menuPreview_ = std::make_unique<MenuPreviewWindow>(*menuPreviewPopup_);
    gestureMenus_->setPreview(menuPreview_.get());
    links_.link([this] { dispatcher_->setMenus(gestureMenus_.get()); },
                [this] { dispatcher_->setMenus(nullptr); });
}

// The tray window keeps the icon, its menu and the Scroll Lock watch, which switches the recognizer at once
// when Scroll Lock is on at start. Its menu switches gestures off in the program last in front, which the
// foreground watch follows; the watch hides the scratchpad (made later) in a program Flickmark is off in.
void Application::createTray() {
    version_ = ownFileVersion();
    foregroundTimer_ = scheduler_.makeTimer("foreground watch", [this] { foregroundWatch_->onTimer(); });
    foregroundWatch_ = std::make_unique<ForegroundWatch>(platform_.desktop, programLists_, *foregroundTimer_,
                                                         log_, [this](bool quiet) {
                                                             if (scratchpadWindow_)
                                                                 scratchpadWindow_->model().setQuiet(quiet);
                                                         });
    Recognizer& recognizer = mouseMonitor_->recognizer();
    trayWindow_ = std::make_unique<TrayWindow>(
        TrayWindow::Dependencies{*this, nestedLoops_, platform_.input, log_,
                                 [&recognizer](bool on) { recognizer.setMonitoringEnabled(on); },
                                 gesturesWindow_->hwnd(), *foregroundWatch_, scheduler_},
        trayTipText(version_ ? version_->version : std::string()));
    links_.link([this] { trayNotice_.target = trayWindow_.get(); }, [this] { trayNotice_.target = nullptr; });
}

void Application::showConfiguration() {
    configurationWindow_->showPage(configuration_page::kKeepPage);
}

void Application::showGestures() {
    gesturesWindow_->show();
}

void Application::showAbout() {
    aboutWindow_->show();
}

void Application::exitProgram() {
    finishBeforeExit();
    ::PostQuitMessage(0);
}

void Application::endSession() {
    finishBeforeExit();
    // Should the process outlive the session's end, it leaves its message loop as after "Exit Flickmark".
    ::PostQuitMessage(0);
}

void Application::finishBeforeExit() {
    if (exiting_)
        return;
    exiting_ = true;
    messageBoxes_.programEnding();
    platform_.clock.markShuttingDown();
    if (mouseMonitor_)
        mouseMonitor_->stop();
    if (trayWindow_)
        trayWindow_->stopWatching();
    if (foregroundWatch_)
        foregroundWatch_->stop();
    // A menu ends at once (the help menu's wait ends with the clock); a dialog or message box ends when its
    // loop sees the quit message.
    if (nestedLoops_.active())
        ::EndMenu();
    if (aboutWindow_)
        aboutWindow_->hide();
    for (const auto& closer : exitClosers_) {
        try {
            closer();
        } catch (const std::exception& e) {
            log_.append(std::string("A window could not be closed at exit: ") + e.what());
        } catch (...) {
            log_.append("A window could not be closed at exit");
        }
    }
    programLists_.saveAtExit();
    keystrokes_.saveListFile();
    if (trayWindow_)
        trayWindow_->removeIcon();
    log_.append("Flickmark ends");
}

// Creating the configuration window loads the settings file, which pushes every value to its consumer;
// until then the recognizer works with the defaults, and no tick runs before the message loop.
void Application::loadSettings() {
    recognizerSettings_ = std::make_unique<RecognizerSettingsTarget>(mouseMonitor_->recognizer());
    scratchpadSettings_ = std::make_unique<ScratchpadSettingsTarget>(scratchpadWindow_->model());
    lookupSettings_ = std::make_unique<LookupSettingsTarget>(*dispatcher_);
    links_.link(
        [this] {
            settings_.setConsumers(SettingsConsumers{recognizerSettings_.get(), scratchpadSettings_.get(),
                                                     lookupSettings_.get(), &pressGate_});
        },
        [this] { settings_.setConsumers({}); });
    settings_.load();
}

// The parts go in the reverse order of their making (the members' order), after the links between them.
Application::~Application() {
    // Stop sampling first, so no tick runs while the windows go away one by one.
    if (mouseMonitor_)
        mouseMonitor_->stop();
    links_.undoAll();
}

int Application::run() {
    const bool forever = true;
    const std::optional<int> quit = win32::runMessageLoop(forever);
    if (!quit)
        return 1; // the message queue failed
    finishBeforeExit();
    return *quit;
}

} // namespace flickmark
