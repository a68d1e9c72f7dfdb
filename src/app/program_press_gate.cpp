#include "app/program_press_gate.h"

#include <algorithm>

namespace flickmark {
namespace {

class Scene final : public PressScene {
public:
    Scene(Desktop& desktop, Input& input, Point cursor) : desktop_(desktop), input_(input), cursor_(cursor) {}

    ProgramWindow windowUnderCursor() override {
        return programWindowOf(desktop_, desktop_.topLevelWindowAt(cursor_));
    }
    ProgramWindow windowInFront() override { return programWindowOf(desktop_, desktop_.foregroundWindow()); }
    bool cursorConfined() override {
        const std::optional<Rect> clip = input_.cursorClip();
        return clip && confinesCursor(*clip, desktop_.monitors());
    }
    bool cursorHidden() override { return input_.cursorHidden(); }
    bool keyDown(int virtualKey) override { return input_.keyDown(virtualKey); }

private:
    Desktop& desktop_;
    Input& input_;
    Point cursor_;
};

} // namespace

ProgramWindow programWindowOf(Desktop& desktop, WindowId window) {
    if (window == 0)
        return {};
    return ProgramWindow{desktop.processNameOfWindow(window), desktop.windowClassName(window)};
}

bool confinesCursor(const Rect& clip, const std::vector<Rect>& monitors) {
    if (monitors.empty())
        return false;
    Rect desktop = monitors.front();
    for (const Rect& monitor : monitors) {
        desktop.left = std::min(desktop.left, monitor.left);
        desktop.top = std::min(desktop.top, monitor.top);
        desktop.right = std::max(desktop.right, monitor.right);
        desktop.bottom = std::max(desktop.bottom, monitor.bottom);
    }
    return clip.left > desktop.left || clip.top > desktop.top || clip.right < desktop.right ||
           clip.bottom < desktop.bottom;
}

PressRuling ProgramPressGate::rulePress(Point cursor, bool fullScreenInFront) {
    lists_.refresh();
    Scene scene(desktop_, input_, cursor);
    return decidePress(lists_, settings_, fullScreenInFront, scene);
}

} // namespace flickmark
