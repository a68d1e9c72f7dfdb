#include "app/editing_module_win.h"

#include "app/resource_ids.h"

namespace flickmark {
namespace {

HICON programIcon(int metric) {
    const int size = ::GetSystemMetrics(metric);
    return static_cast<HICON>(::LoadImageW(win32::moduleInstance(), MAKEINTRESOURCEW(IDI_FLICKMARK),
                                           IMAGE_ICON, size, size, LR_SHARED));
}

} // namespace

EditingModule::EditingModule(PlatformModule& platform, StoredFiles& files, ShellModule& shell,
                             GestureRuntime& runtime)
    : keystrokeDialog_(platform.nestedLoops),
      // Loads the global gesture set.
      gesturesWindow_(GesturesWindow::Dependencies{
          files.gestures, platform.adapters.desktop, platform.adapters.windowFocus, platform.nestedLoops,
          platform.messageBoxes, shell.configurationPages(), platform.log, shell.popupIcons(),
          programIcon(SM_CXICON), programIcon(SM_CXSMICON), [&runtime] { runtime.showDiagnostics(); },
          wizard_}),
      wizard_(GestureWizardWindow::Dependencies{platform.nestedLoops, platform.log, keystrokeDialog_,
                                                platform.adapters.knownFolders, platform.adapters.codePage,
                                                [&runtime] { return runtime.recognizer().settings(); },
                                                gesturesWindow_.hwnd()}) {}

} // namespace flickmark
