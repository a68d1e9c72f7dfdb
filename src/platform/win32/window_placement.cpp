#include "platform/win32/window_placement.h"

#include "platform/win32/dpi.h"

#include <algorithm>

namespace flickmark::win32 {

void centreOnOwner(HWND window, HWND owner) noexcept {
    RECT area{};
    RECT work{};
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner) && ::GetWindowRect(owner, &area)) {
        work = workAreaAtPoint(POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    } else {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        area = work = workAreaAtPoint(cursor);
    }
    RECT own{};
    ::GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = std::clamp<int>(area.left + (area.right - area.left - width) / 2, work.left,
                                  std::max<int>(work.left, work.right - width));
    const int y = std::clamp<int>(area.top + (area.bottom - area.top - height) / 2, work.top,
                                  std::max<int>(work.top, work.bottom - height));
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace flickmark::win32
