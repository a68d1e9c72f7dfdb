// The configuration window: a tree of pages on the left and the current page on the right, with the check
// boxes and track bars of the settings. It has no OK or Cancel: closing it (its close box, Escape, Alt+F4)
// saves every control into the settings file and applies the settings at once. It lives from start-up to
// exit, hidden while closed, and keeps its page between openings.
//
// The controls show the settings model of the store while the window is open; values move only between
// the controls and that model. Found by other processes (the end-to-end tests) by its title.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/message_boxes.h"
#include "platform/win32/dialog_base.h"
#include "settings/configuration_content.h"
#include "settings/configuration_page_selection.h"
#include "settings/programs_page_win.h"
#include "settings/settings_store.h"
#include "settings/sign_in_start_choice.h"

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <memory>
#include <optional>

namespace flickmark {

inline constexpr wchar_t kConfigurationTitle[] = L"Configuration";

class ConfigurationWindow final : private win32::DialogBase {
public:
    struct Dependencies {
        SettingsStore& settings;
        MessageBoxes& messages; // tells the user once when the settings file refuses a write
        DiagnosticLog& log;
        HIMAGELIST pictures = nullptr;            // the tree's node pictures; not owned, may be null
        int iconId = 0;                           // the program's icon resource, 0 for none
        SignInStartChoice* signInStart = nullptr; // the Misc page's "Start with Windows"; null: box disabled
        ProgramLists& programLists;               // the Programs page's lists
        RunningPrograms* runningPrograms = nullptr; // offered on the Programs page; null: none
    };

    // Creates the window hidden, on the first page. Throws win32::Win32Error when that fails.
    explicit ConfigurationWindow(Dependencies dependencies);
    ~ConfigurationWindow() override;

    // Shows the window in front on page `page` (configuration_page::kKeepPage: the page it showed last).
    // A window that was closed shows the settings in effect.
    void showPage(int page);
    bool isOpen() const;
    // Closes the window as the user would, saving and applying its settings, but tells the user nothing
    // when the write is refused (the log has it): the program is ending. Nothing happens when it is closed.
    void closeForExit();

    using win32::DialogBase::hwnd;

private:
    class Page;

    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The system has rescaled the window and its template's controls; the pages and the preview follow.
    void afterDpiChange() override;

    void setIcons();
    void createPages();
    void fillTree();
    void placePages();
    void showCurrentPage();
    void keepFocusOnAShownControl();
    void showSettings();
    void takeSettings();
    void enableDependents();
    void showSignInStart();
    void applySignInStart(bool programEnding);
    void close(bool programEnding);
    void reportRefusedWrite();

    // From the pages.
    void trackBarMoved(HWND trackBar);
    bool pageCommand(int id, int code);
    bool pageNotify(const NMHDR& header);
    void drawPreview(const DRAWITEMSTRUCT& item) const;
    void sizePreview() const;
    HWND previewControl() const;

    Dependencies deps_;
    ConfigurationPageSelection selection_;
    std::array<std::unique_ptr<Page>, configuration_page::kCount> pages_;
    std::array<HTREEITEM, configuration_page::kCount> nodes_{};
    std::unique_ptr<ProgramsPageControls> programsPage_;
    bool refusedWriteReported_ = false;
};

} // namespace flickmark
