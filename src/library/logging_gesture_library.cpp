#include "library/logging_gesture_library.h"

namespace flickmark {

void LoggingGestureLibrary::runGesture(const std::string& gesture, bool) {
    log_.append("gesture " + gesture + " " + gestureDisplayName(gesture));
}

void LoggingGestureLibrary::lookupAndRun(const std::string& gesture) {
    runGesture(gesture, false);
}

void LoggingGestureLibrary::showHelp(Direction firstCode) {
    log_.append("help " + std::to_string(firstCode));
}

} // namespace flickmark
