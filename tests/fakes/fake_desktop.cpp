#include "fakes/fake_desktop.h"

namespace flickmark {

std::string FakeDesktop::processNameOfWindow(WindowId window) {
    ++foregroundQueries;
    return window == kForegroundId ? foreground.exeName : std::string();
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
