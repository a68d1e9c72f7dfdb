// The last module: where the user edits gestures. The gestures window (its set selector, list and preview)
// and the gesture wizard with the keystroke dialog it opens.
#pragma once

#include "app/gesture_runtime_win.h"
#include "app/platform_module_win.h"
#include "app/shell_module_win.h"
#include "app/stored_files.h"
#include "editors/gesture_wizard_window_win.h"
#include "editors/keystroke_dialog_win.h"
#include "library/gestures_window_win.h"

namespace flickmark {

class EditingModule {
public:
    // Throws win32::Win32Error when a window cannot be created. The references must outlive the module.
    EditingModule(PlatformModule& platform, StoredFiles& files, ShellModule& shell, GestureRuntime& runtime);
    EditingModule(const EditingModule&) = delete;
    EditingModule& operator=(const EditingModule&) = delete;

    GesturesWindow& gesturesWindow() { return gesturesWindow_; }

    // At exit: the gestures window closes as its own close would (saving its shown set).
    void closeForExit() { gesturesWindow_.closeForExit(); }

private:
    KeystrokeDialog keystrokeDialog_;
    // The gestures window asks the wizard (made next, with the window as its owner) only once it is shown.
    GesturesWindow gesturesWindow_;
    GestureWizardWindow wizard_;
};

} // namespace flickmark
