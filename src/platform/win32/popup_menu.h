// The popup-menu port on Win32: a menu built for one showing and tracked by a hidden window of its own,
// which hears the menu's highlight notifications.
#pragma once

#include "platform/menus.h"
#include "platform/nested_loop.h"
#include "platform/win32/window_base.h"

namespace flickmark {

class Win32PopupMenu final : public PopupMenu, private win32::WindowBase {
public:
    // Creates the hidden owner window. Throws Win32Error when that fails. `loops` must outlive the menu.
    explicit Win32PopupMenu(NestedLoops& loops);
    ~Win32PopupMenu() override = default;

    // Throws Win32Error when the menu cannot be built.
    std::optional<int> track(const std::vector<MenuItem>& items, Point at,
                             MenuHighlightListener* listener) override;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    NestedLoops& loops_;
    MenuHighlightListener* listener_ = nullptr;
};

} // namespace flickmark
