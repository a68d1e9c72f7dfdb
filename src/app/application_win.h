// The application object: owns every process-wide object and every long-lived window, creates them in
// their fixed order at start-up and runs the one message loop.
#pragma once

#include "actions/context_menu_closer_win.h"
#include "actions/foreground_handoff.h"
#include "actions/key_target_check.h"
#include "actions/keystroke_sender.h"
#include "actions/launch.h"
#include "app/about_window_win.h"
#include "app/configuration_window_pages_win.h"
#include "app/foreground_watch.h"
#include "app/link_list.h"
#include "app/message_boxes_until_exit.h"
#include "app/platform_adapters_win.h"
#include "app/popup_ports_win.h"
#include "app/program_press_gate.h"
#include "app/scratchpad_ports.h"
#include "app/settings_targets.h"
#include "app/tray_actions.h"
#include "app/tray_window_win.h"
#include "app/version_text.h"
#include "base/diagnostic_log.h"
#include "editors/gesture_wizard_window_win.h"
#include "gesture_sets/gesture_library_store.h"
#include "library/gesture_dispatcher.h"
#include "library/gesture_menus.h"
#include "library/gestures_window_win.h"
#include "overlays/scratchpad_window_win.h"
#include "platform/menus.h"
#include "platform/nested_loop.h"
#include "platform/tray_notice.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/controls/image_list.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/popup_menu.h"
#include "platform/win32/ui_scheduler.h"
#include "popup/popup_window_win.h"
#include "recognizer/gesture_hand_over_queue.h"
#include "recognizer/mouse_monitor_win.h"
#include "settings/configuration_window_win.h"
#include "settings/program_lists.h"
#include "settings/settings_store.h"
#include "settings/sign_in_start_choice.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class Application final : private TrayActions {
public:
    // The data folder's path is absolute and ends in a path delimiter. Creates everything; throws
    // win32::Win32Error when a window cannot be created.
    // `signInCommand` starts this copy the same way when the user signs in ("Start with Windows").
    Application(std::string dataFolder, std::string signInCommand);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the message loop until the program ends; returns the exit code.
    int run();

    const std::string& dataFolder() const { return dataFolder_; }

    // Runs when the program ends (from the tray menu or the end of the Windows session), in the order added,
    // after the tray menu and other nested loops are told to close and before the data files are written:
    // each window closes as its own close would (the configuration window saves, the gestures window saves
    // its shown set). A closer that throws is logged; the others still run. Warnings shown through
    // messageBoxes() are dropped from then on (refused writes are logged).
    void addExitCloser(std::function<void()> closer) { exitClosers_.push_back(std::move(closer)); }
    MessageBoxes& messageBoxes() { return messageBoxes_; }
    // The shared pictures of menus, the configuration tree and the set selector; may be null.
    HIMAGELIST popupIcons() const { return popupIcons_.get(); }

private:
    // Notices come from the tray icon, whose window is created after the dispatcher that asks for them.
    class TrayNoticeRelay final : public TrayNotice {
    public:
        void showNotice(const std::string& title, const std::string& text) override {
            if (target)
                target->showNotice(title, text);
        }
        TrayWindow* target = nullptr;
    };

    void createGesturesWindow();
    void createMouseMonitor();
    void createGestureLibrary();
    // The help and suggestions menus ask the recognizer for resets, so they come after its window.
    void createGestureMenus();
    void createScratchpad();
    void loadSettings();
    void createTray();

    // TrayActions
    void showConfiguration() override;
    void showGestures() override;
    void showAbout() override;
    void exitProgram() override;
    void endSession() override;

    // Everything that must happen before the process ends, once: sampling stops, open menus close, the
    // closers run, the data files are written and the icon goes. Never shows anything to the user.
    void finishBeforeExit();

    // COM for shell execution on this thread, from before the first window until after the last.
    win32::ComApartment com_;
    std::string dataFolder_;

    // Process-wide objects, created before any window: the key-state query, then the keystroke sender.
    DiagnosticLog log_;
    PlatformAdapters platform_{log_};
    // Posted calls and every timer of the program; made before, and gone after, everything that uses it.
    win32::UiScheduler scheduler_{log_};
    FileSystem& dataFiles_ = platform_.files;
    ProgramLauncher programs_{platform_.launcher, log_};
    KeystrokeSender keystrokes_;
    ForegroundHandoff foreground_{platform_.desktop, platform_.windowFocus};
    TrayNoticeRelay trayNotice_;
    KeyTargetCheck keyTargets_{KeyTargetPorts{platform_.integrity, platform_.desktop, trayNotice_, log_}};
    GestureLibraryStore gestureStore_;
    SettingsStore settings_;
    // The program lists, and the press rules the recognizer asks at every press.
    ProgramLists programLists_{dataFiles_, platform_.codePage, log_, dataFolder_};
    ProgramPressGate pressGate_{platform_.desktop, platform_.input, programLists_};
    SignInStartChoice signInStartChoice_;
    ScratchpadTrailRelay scratchpadTrail_;
    ScratchpadVisibilityRelay scratchpadVisibility_;
    NestedLoops nestedLoops_;
    ConfigurationWindowPages configurationPages_;
    Win32MessageBoxes shownMessageBoxes_{nestedLoops_};
    MessageBoxesUntilExit messageBoxes_{shownMessageBoxes_};
    std::optional<VersionText> version_;
    std::vector<std::function<void()>> exitClosers_;
    bool exiting_ = false;

    // Long-lived windows in their creation order, with what belongs to them; destroyed in the reverse order.
    win32::ImageList popupIcons_; // the shared pictures, which outlive every window that shows them
    std::unique_ptr<GesturesWindow> gesturesWindow_;
    std::unique_ptr<PopupWindow> arrows_;
    std::unique_ptr<ArrowPopupWindow> arrowsPort_;
    // The recognizer's hand-overs wait in the queue until the main loop delivers them to the dispatcher.
    std::unique_ptr<GestureHandOverQueue> handOver_;
    std::unique_ptr<MouseMonitor> mouseMonitor_;
    std::unique_ptr<PopupWindow> namePopup_;
    std::unique_ptr<TextPopupWindow> namePopupPort_;
    std::unique_ptr<Timer> closePopupTimer_;
    std::unique_ptr<ContextMenuCloser> contextMenuCloser_; // used by the dispatcher and the menus
    std::unique_ptr<GestureDispatcher> dispatcher_;
    std::unique_ptr<Win32PopupMenu> directionsMenu_;
    std::unique_ptr<Timer> helpConfigTimer_;
    std::unique_ptr<PopupWindow> menuPreviewPopup_;
    std::unique_ptr<MenuPreviewWindow> menuPreview_;
    std::unique_ptr<GestureMenus> gestureMenus_;
    // Follows the program in front for the tray menu and the scratchpad; started once both exist.
    std::unique_ptr<Timer> foregroundTimer_;
    std::unique_ptr<ForegroundWatch> foregroundWatch_;
    std::unique_ptr<TrayWindow> trayWindow_;
    std::unique_ptr<AboutWindow> aboutWindow_;
    std::unique_ptr<ScratchpadWindow> scratchpadWindow_;
    std::unique_ptr<ConfigurationWindow> configurationWindow_;
    std::unique_ptr<KeystrokeDialog> keystrokeDialog_;
    std::unique_ptr<GestureWizardWindow> gestureWizard_;

    std::unique_ptr<RecognizerSettingsTarget> recognizerSettings_;
    std::unique_ptr<ScratchpadSettingsTarget> scratchpadSettings_;
    std::unique_ptr<LookupSettingsTarget> lookupSettings_;

    // Undone first when the application goes.
    LinkList links_;
};

} // namespace flickmark
