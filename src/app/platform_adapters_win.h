// The program's adapters of the system ports, made once for the process before any window and handed to
// the parts that need them.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/clock.h"
#include "platform/win32/desktop.h"
#include "platform/win32/file_system.h"
#include "platform/win32/input.h"
#include "platform/win32/keyboard_out.h"
#include "platform/win32/known_folders.h"
#include "platform/win32/launcher.h"
#include "platform/win32/process_integrity.h"
#include "platform/win32/raw_mouse_events.h"
#include "platform/win32/running_programs.h"
#include "platform/win32/sign_in_start.h"
#include "platform/win32/text_code_page.h"
#include "platform/win32/wall_clock.h"
#include "platform/win32/window_control.h"
#include "platform/win32/window_focus.h"

namespace flickmark {

struct PlatformAdapters {
    explicit PlatformAdapters(DiagnosticLog& log) : files(&log) {}
    PlatformAdapters(const PlatformAdapters&) = delete;
    PlatformAdapters& operator=(const PlatformAdapters&) = delete;

    Win32Clock clock;
    Win32FileSystem files;
    Win32TextCodePage codePage;
    Win32Input input;
    Win32KeyboardOut keyboardOut;
    Win32Clipboard clipboard;
    Win32WallClock wallClock;
    Win32Launcher launcher;
    Win32KnownFolders knownFolders;
    Win32Desktop desktop;
    Win32WindowFocus windowFocus;
    Win32WindowControl windowControl;
    Win32ProcessIntegrity integrity;
    Win32SignInStart signInStart;
    Win32RunningPrograms runningPrograms;
    Win32RawMouseEvents mouseEvents;
};

} // namespace flickmark
