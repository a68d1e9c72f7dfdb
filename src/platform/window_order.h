// Finding the program the user works in from the window order, past the program's own windows (which
// may be in front for a moment: the scratchpad, a menu's owner).
#pragma once

#include "platform/desktop.h"
#include "platform/window_focus.h"

#include <string_view>

namespace flickmark {

// The first visible window below `window` (below the foreground window when 0); 0 when there is none.
WindowId nextVisibleWindow(Desktop& desktop, WindowFocus& focus, WindowId window);

// The foreground window, or, while a window of the process `ownExeName` (compared ignoring case) is in
// front, the first visible window below it; at most three own windows are stepped over. 0 when there is
// none.
WindowId windowBelowOwn(Desktop& desktop, WindowFocus& focus, std::string_view ownExeName);

} // namespace flickmark
