// A hidden, empty window that holds the place of a long-lived window whose feature is not built yet, so
// that start-up creates every window in its fixed order. It is never shown.
#pragma once

#include "platform/win32/window_base.h"

namespace flickmark {

class PlaceholderWindow final : private win32::WindowBase {
public:
    // Throws win32::Win32Error when the window cannot be created.
    PlaceholderWindow(const wchar_t* className, const wchar_t* title);
    ~PlaceholderWindow() override = default;

    using win32::WindowBase::hwnd;
};

} // namespace flickmark
