// A stand-in gesture library that only writes what it is asked to the diagnostic log:
// "gesture 03 UP+RIGHT" for a finished gesture, "help 0" for the pause trigger.
#pragma once

#include "library/gesture_library.h"
#include "recognizer/diagnostic_log.h"

namespace flickmark {

class LoggingGestureLibrary final : public GestureLibrary {
public:
    explicit LoggingGestureLibrary(DiagnosticLog& log) : log_(log) {}

    void runGesture(const std::string& gesture, bool quiet) override;
    void lookupAndRun(const std::string& gesture) override;
    // Returns at once; there is no menu to wait for.
    void showHelp(Direction firstCode) override;

private:
    DiagnosticLog& log_;
};

} // namespace flickmark
