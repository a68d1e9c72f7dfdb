// The third module: what the user meets of the program outside a gesture. The tray icon with its menu and
// notices, the About window, the configuration window, and the scratchpad with its two buttons.
#pragma once

#include "app/about_window_win.h"
#include "app/platform_module_win.h"
#include "app/stored_files.h"
#include "app/tray_actions.h"
#include "app/tray_window_win.h"
#include "library/configuration_pages.h"
#include "overlays/scratchpad_window_win.h"
#include "platform/win32/controls/image_list.h"
#include "settings/configuration_window_win.h"

namespace flickmark {

// The library's way into the configuration window.
class ConfigurationWindowPages final : public ConfigurationPages {
public:
    explicit ConfigurationWindowPages(ConfigurationWindow& window) : window_(window) {}
    void openConfiguration(int page) override { window_.showPage(page); }

private:
    ConfigurationWindow& window_;
};

class ShellModule {
public:
    // `actions` answers the tray menu and the scratchpad's gestures button. Throws win32::Win32Error when a
    // window cannot be created. The references must outlive the module.
    ShellModule(PlatformModule& platform, StoredFiles& files, TrayActions& actions);
    ShellModule(const ShellModule&) = delete;
    ShellModule& operator=(const ShellModule&) = delete;

    // The shared pictures of menus, the configuration tree and the set selector; may be null.
    HIMAGELIST popupIcons() const { return popupIcons_.get(); }
    TrayWindow& tray() { return tray_; }
    AboutWindow& about() { return about_; }
    ConfigurationWindow& configuration() { return configuration_; }
    ConfigurationPages& configurationPages() { return configurationPages_; }
    ScratchpadWindow& scratchpad() { return scratchpad_; }

    // At exit, before the files are written: an open menu and the About window close, and the configuration
    // window closes as its own close would (saving the settings, telling the user nothing).
    void closeForExit();

private:
    win32::ImageList popupIcons_; // made first: every window that shows them goes before them
    TrayWindow tray_;
    AboutWindow about_;
    ConfigurationWindow configuration_;
    ConfigurationWindowPages configurationPages_{configuration_};
    ScratchpadWindow scratchpad_;
};

} // namespace flickmark
