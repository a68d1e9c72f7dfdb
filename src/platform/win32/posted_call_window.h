// A window that only receives messages: post() asks the main loop to run a call soon, after whatever runs
// now has returned. Posts made before the call runs become one call.
#pragma once

#include "platform/win32/window_base.h"

#include <functional>

namespace flickmark::win32 {

class PostedCallWindow final : private WindowBase {
public:
    // Throws Win32Error when the window cannot be created.
    explicit PostedCallWindow(std::function<void()> call);

    // Returns false when the message could not be posted (the queue is full); the call then does not run.
    bool post();

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    std::function<void()> call_;
    bool posted_ = false;
};

} // namespace flickmark::win32
