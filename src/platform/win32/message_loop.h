// The thread's message loop: the program's main loop and the loop of a window that runs modally.
#pragma once

#include <optional>

namespace flickmark::win32 {

// Takes and dispatches messages (keys for the open modeless dialogs go to them) while `running` is true.
// Returns the exit code when WM_QUIT ended it; a loop nested in another posts WM_QUIT again so that the
// outer loop ends too. Nothing when `running` turned false or the queue failed.
std::optional<int> runMessageLoop(const bool& running);

} // namespace flickmark::win32
