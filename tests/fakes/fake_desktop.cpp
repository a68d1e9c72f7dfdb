#include "fakes/fake_desktop.h"

namespace flickmark {

std::string FakeDesktop::processNameOfWindow(WindowId window) {
    ++foregroundQueries;
    if (window == kUnderCursorId && underCursor)
        return underCursor->exeName;
    return window == kForegroundId ? foreground.exeName : std::string();
}

std::string FakeDesktop::windowClassName(WindowId window) {
    if (window == kUnderCursorId && underCursor)
        return underCursor->windowClass;
    return window == kForegroundId ? foreground.windowClass : std::string();
}

std::optional<Rect> FakeDesktop::windowRect(WindowId window) {
    if (window != kForegroundId)
        return std::nullopt;
    return foreground.rect;
}

std::optional<ShowState> FakeDesktop::showState(WindowId window) {
    if (window != kForegroundId)
        return std::nullopt;
    return foreground.showState;
}

} // namespace flickmark
