// One running copy of the program per Windows session. A second copy would run every gesture twice, and the
// two would overwrite each other's files.
#pragma once

#include "platform/win32/unique_handle.h"

namespace flickmark {

class SingleInstance {
public:
    // Claims the session's instance mutex. When another copy holds it, waits a little for a copy that is
    // just ending; if it still runs, asks it to show its gestures window (allowing it to come to the front).
    SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    // Lets the mutex go, so a new start may begin.
    ~SingleInstance();

    // False when another copy runs: this one must end without creating windows or touching files.
    bool first() const { return owned_; }

private:
    win32::UniqueHandle mutex_;
    bool owned_ = false;
};

} // namespace flickmark
