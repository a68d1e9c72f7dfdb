// Scripted right-button strokes for recognizer tests, at the mouse timer's pace: 80 ms between ticks while
// the button is down, 100 ms after a release. The program starts with the button up, so the script opens with
// one release tick at time 0.
#pragma once

#include "fakes/trace_runner.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

class StrokeScript {
public:
    explicit StrokeScript(TraceRunner& run) : run_(run) {
        run_.tick(0, false, last_);
        time_ = 100;
    }

    // One tick with the button down at each point in turn.
    StrokeScript& hold(std::initializer_list<Point> points) {
        for (Point p : points) {
            run_.tick(time_, true, p);
            last_ = p;
            time_ += 80;
        }
        return *this;
    }
    // `ticks` ticks with the button down at the last point.
    StrokeScript& stay(int ticks) {
        for (int i = 0; i < ticks; ++i)
            hold({last_});
        return *this;
    }
    StrokeScript& release() {
        run_.tick(time_, false, last_);
        time_ += 100;
        return *this;
    }
    // The time of the next tick.
    std::int64_t time() const { return time_; }

private:
    TraceRunner& run_;
    Point last_{500, 500};
    std::int64_t time_ = 0;
};

inline bool logHasLineStartingWith(const DiagnosticLog& log, std::string_view prefix) {
    return std::any_of(log.lines().begin(), log.lines().end(),
                       [&](const std::string& line) { return line.starts_with(prefix); });
}

inline RecognizerSettings withDiagonals() {
    RecognizerSettings settings;
    settings.enableDiagonals = true;
    return settings;
}

} // namespace flickmark
