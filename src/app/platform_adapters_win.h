// The program's adapters of the system ports, made once for the process before any window and handed to
// the parts that need them.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/win32/keyboard_query.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_keyboard_out.h"
#include "platform/win32/win32_known_folders.h"
#include "platform/win32/win32_launcher.h"
#include "platform/win32/win32_process_integrity.h"
#include "platform/win32/win32_sign_in_start.h"
#include "platform/win32/win32_text_code_page.h"
#include "platform/win32/win32_wall_clock.h"
#include "platform/win32/win32_window_focus.h"

namespace flickmark {

struct PlatformAdapters {
    explicit PlatformAdapters(DiagnosticLog& log) : files(&log) {}
    PlatformAdapters(const PlatformAdapters&) = delete;
    PlatformAdapters& operator=(const PlatformAdapters&) = delete;

    Win32Clock clock;
    Win32FileSystem files;
    Win32TextCodePage codePage;
    KeyboardQuery keyboard;
    Win32KeyboardOut keyboardOut;
    Win32Clipboard clipboard;
    Win32WallClock wallClock;
    Win32Launcher launcher;
    Win32KnownFolders knownFolders;
    Win32Desktop desktop;
    Win32WindowFocus windowFocus;
    Win32ProcessIntegrity integrity;
    Win32SignInStart signInStart;
};

} // namespace flickmark
