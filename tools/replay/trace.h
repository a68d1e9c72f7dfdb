// Replay traces: a text file, one directive a line; blank lines and lines starting with '#' are ignored.
//   monitor X Y W H            adds a monitor (one of 0 0 1920 1080 when the trace adds none)
//   set KEY VALUE              a setting by its settings-file key, from this point on
//   foreground EXE X Y W H normal|maximized|minimized
//                              the foreground window from this point on (default: probe.exe 100 100 800 600
//                              normal)
//   tick T B X Y               a mouse-timer tick at time T ms (strictly increasing), right button B (1 down,
//                              0 up), cursor at X Y
#pragma once

#include "base/geometry.h"
#include "fakes/fake_desktop.h"
#include "settings/settings_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace flickmark {

struct TraceTick {
    std::int64_t timeMs = 0;
    bool buttonDown = false;
    Point cursor;
};

// One step in trace order: a tick, the complete settings from then on, or the foreground window from then on.
using TraceStep = std::variant<TraceTick, SettingsSnapshot, FakeDesktop::Window>;

struct Trace {
    std::vector<Rect> monitors; // empty: the default monitor
    std::vector<TraceStep> steps;
};

struct TraceError {
    int line = 0;
    std::string message;
};

std::variant<Trace, TraceError> parseTrace(std::string_view text);

} // namespace flickmark
