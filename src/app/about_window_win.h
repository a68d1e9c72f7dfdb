// The About window: the program's name, icon and version, and "Close". Created hidden at start-up; shown
// centred on the screen that holds the pointer. "Close", Escape and Alt+F4 hide it again.
#pragma once

#include "app/version_text.h"
#include "platform/win32/dialog_base.h"
#include "platform/win32/unique_handle.h"

#include <optional>

namespace flickmark {

class AboutWindow final : private win32::DialogBase {
public:
    // `version` is none when the executable has no version information; the version text stays empty then.
    // Throws win32::Win32Error when the window cannot be created.
    explicit AboutWindow(std::optional<VersionText> version);
    ~AboutWindow() override = default;

    using win32::DialogBase::hwnd;

    void show();
    void hide() noexcept;

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void initialise();
    // Fonts and the program icon at the window's DPI, and the version line laid out after its label.
    // The name's font, the icon and the version line for the window's DPI (the system has scaled the
    // template's controls and font already).
    void applyDpi();
    void afterDpiChange() override { applyDpi(); }

    std::optional<VersionText> version_;
    win32::UniqueFont nameFont_;
    win32::UniqueIcon icon_;
};

} // namespace flickmark
