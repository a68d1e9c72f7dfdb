#include "platform/win32/wall_clock.h"

#include <windows.h>

namespace flickmark {

LocalDateTime Win32WallClock::localNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace flickmark
