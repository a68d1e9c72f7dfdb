#include "fakes/fake_window_stack.h"

namespace flickmark {

const FakeWindowStack::Window* FakeWindowStack::find(WindowId window) const {
    for (const Window& w : windows)
        if (w.id == window)
            return &w;
    return nullptr;
}

bool FakeWindowStack::attachedNow() const {
    int depth = 0;
    for (const AttachCall& call : attachCalls)
        depth += call.attach ? (attachSucceeds ? 1 : 0) : -1;
    return depth > 0;
}

std::string FakeWindowStack::processNameOfWindow(WindowId window) {
    const Window* w = find(window);
    return w ? w->exeName : std::string();
}

std::string FakeWindowStack::windowClassName(WindowId window) {
    const Window* w = find(window);
    return w ? w->windowClass : std::string();
}

bool FakeWindowStack::isOwnWindow(WindowId window) {
    const Window* w = find(window);
    return w && w->own;
}

WindowId FakeWindowStack::nextWindow(WindowId window) {
    for (std::size_t i = 0; i < windows.size(); ++i)
        if (windows[i].id == window)
            return i + 1 < windows.size() ? windows[i + 1].id : 0;
    return 0;
}

bool FakeWindowStack::isVisible(WindowId window) {
    const Window* w = find(window);
    return w && w->visible;
}

bool FakeWindowStack::setForeground(WindowId window) {
    foregroundChanges.push_back(window);
    attachedAtChange.push_back(attachedNow());
    foreground = window;
    return true;
}

ThreadId FakeWindowStack::windowThread(WindowId window) {
    const Window* w = find(window);
    return w ? w->thread : 0;
}

} // namespace flickmark
