// WallClock over the local system time.
#pragma once

#include "platform/wall_clock.h"

namespace flickmark {

class Win32WallClock final : public WallClock {
public:
    LocalDateTime localNow() override;
};

} // namespace flickmark
