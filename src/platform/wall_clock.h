// Wall-clock port: the local date and time, for texts that show it.
#pragma once

namespace flickmark {

struct LocalDateTime {
    int year = 1;   // e.g. 2024
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
};

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual LocalDateTime localNow() = 0;
};

} // namespace flickmark
