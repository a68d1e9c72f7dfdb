// The first module: what every other part is built on. The diagnostic log, COM for shell execution on this
// thread, the system's adapters of the ports, the nested loops of the UI thread (the clock's waits among
// them), the scheduler of posted calls and timers, the message boxes and the program's version.
#pragma once

#include "app/message_boxes_until_exit.h"
#include "app/platform_adapters_win.h"
#include "app/version_text.h"
#include "base/diagnostic_log.h"
#include "platform/nested_loop.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/ui_scheduler.h"

#include <optional>
#include <string>

namespace flickmark {

class PlatformModule {
public:
    // Throws win32::Win32Error when the scheduler's window cannot be created.
    PlatformModule();
    ~PlatformModule();
    PlatformModule(const PlatformModule&) = delete;
    PlatformModule& operator=(const PlatformModule&) = delete;

    DiagnosticLog log;
    win32::ComApartment com;
    PlatformAdapters adapters{log};
    NestedLoops nestedLoops;
    win32::UiScheduler scheduler{log};
    MessageBoxesUntilExit messageBoxes{shownMessageBoxes_};
    const std::optional<VersionText> version;

    // The first step of the program's end: warnings are no longer shown, and waits end at once.
    void beginExit();

private:
    Win32MessageBoxes shownMessageBoxes_{nestedLoops};
};

} // namespace flickmark
