#include "app/shell_module_win.h"

#include "app/popup_icons_win.h"
#include "app/resource_ids.h"

namespace flickmark {

ShellModule::ShellModule(PlatformModule& platform, StoredFiles& files, TrayActions& actions)
    : popupIcons_(createPopupIcons(::GetDpiForSystem())),
      tray_(TrayWindow::Dependencies{actions, platform.nestedLoops, platform.log, platform.scheduler},
            platform.version ? platform.version->version : std::string()),
      about_(platform.version),
      configuration_(ConfigurationWindow::Dependencies{
          files.settings, platform.messageBoxes, platform.log, popupIcons_.get(), IDI_FLICKMARK,
          &files.signInStart, files.programLists, &platform.adapters.runningPrograms}),
      // Hidden until the settings enable it. Its buttons open the gestures window, and the configuration
      // window at the scratchpad's page.
      scratchpad_(ScratchpadWindow::Dependencies{
          platform.adapters.input, platform.adapters.desktop, platform.adapters.windowFocus, platform.log,
          platform.scheduler, [&actions] { actions.showGestures(); },
          [this] { configuration_.showPage(configuration_page::kScratchpad); }}) {}

void ShellModule::closeForExit() {
    tray_.closeMenu();
    about_.hide();
    configuration_.closeForExit();
}

} // namespace flickmark
