// Replay traces: a text file, one directive a line; blank lines and lines starting with '#' are ignored.
//   monitor X Y W H            adds a monitor (one of 0 0 1920 1080 when the trace adds none)
//   set KEY VALUE              a setting by its settings-file key, from this point on
//   foreground EXE X Y W H normal|maximized|minimized
//                              the foreground window from this point on (default: probe.exe 100 100 800 600
//                              normal)
//   tick T B X Y               a mouse-timer tick at time T ms (strictly increasing), right button B (1 down,
//                              0 up), cursor at X Y
//   down T X Y                 the mouse's own event (read with precise recognition, dropped without it): the
//                              right button went down at time T ms with the cursor at X Y
//   move T X Y DX DY           the mouse moved: the cursor is at X Y, the mouse itself moved by DX DY
//                              (0 0 when unknown; it goes on where the cursor stops at a screen edge)
//   up T X Y                   the right button came up
//                              An event's time is not before the previous tick's or event's, and a tick's not
//                              before the previous event's.
//
// A trace with events also gets the program's release check: before each tick or event, the 10 ms check the
// recognizer runs while a gesture is in progress fires at every deadline up to that line's time, reading the
// button the last line left. A trace without events replays at its ticks alone.
#pragma once

#include "base/geometry.h"
#include "fakes/fake_desktop.h"
#include "platform/mouse_events.h"
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

// One step in trace order: a tick, an event of the mouse's own, the complete settings from then on, or the
// foreground window from then on.
using TraceStep = std::variant<TraceTick, MouseEvent, SettingsSnapshot, FakeDesktop::Window>;

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
