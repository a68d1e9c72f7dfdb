// What becomes of a right press, decided at its first tick: the recognizer acts on it, the press rules of
// the settings decide it.
#pragma once

#include <string>

namespace flickmark {

enum class PressOutcome {
    Gesture,    // the press may become a gesture
    FullScreen, // ignored for now because a full-screen program is in front; asked again at the next tick
    LeftAlone,  // never a gesture, until the button is released
};

struct PressRuling {
    PressOutcome outcome = PressOutcome::Gesture;
    // One diagnostic-log line: why the press was left alone, or why a full-screen program still gets
    // gestures; empty for none.
    std::string note;

    friend bool operator==(const PressRuling&, const PressRuling&) = default;
};

} // namespace flickmark
