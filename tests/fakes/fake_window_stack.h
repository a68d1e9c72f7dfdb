// A desktop of top-level windows in z-order (topmost first), each with its process name, visibility and
// thread. Records foreground changes and thread-input attachments.
#pragma once

#include "platform/desktop.h"
#include "platform/window_focus.h"

#include <string>
#include <vector>

namespace flickmark {

class FakeWindowStack final : public Desktop, public WindowFocus {
public:
    struct Window {
        WindowId id = 0;
        std::string exeName;
        bool visible = true;
        ThreadId thread = 0;
        std::string windowClass = {};
        bool own = false; // one of this program's windows
    };
    struct AttachCall {
        ThreadId from = 0;
        ThreadId to = 0;
        bool attach = false;
        friend bool operator==(const AttachCall&, const AttachCall&) = default;
    };

    // Desktop
    std::vector<Rect> monitors() override { return {Rect{0, 0, 1920, 1080}}; }
    WindowId foregroundWindow() override { return foreground; }
    std::string processNameOfWindow(WindowId window) override;
    std::optional<Rect> windowRect(WindowId) override { return std::nullopt; }
    std::optional<ShowState> showState(WindowId) override { return ShowState::Normal; }
    WindowId topLevelWindowAt(Point) override { return foreground; }
    std::string windowClassName(WindowId window) override;
    bool isOwnWindow(WindowId window) override;

    // WindowFocus
    WindowId nextWindow(WindowId window) override;
    bool isVisible(WindowId window) override;
    bool setForeground(WindowId window) override;
    ThreadId windowThread(WindowId window) override;
    ThreadId currentThread() override { return ownThread; }
    bool attachThreadInput(ThreadId from, ThreadId to, bool attach) override {
        attachCalls.push_back({from, to, attach});
        return attachSucceeds;
    }

    std::vector<Window> windows; // topmost first
    WindowId foreground = 0;
    ThreadId ownThread = 1;
    bool attachSucceeds = true;

    std::vector<WindowId> foregroundChanges;
    std::vector<AttachCall> attachCalls;
    // Whether input was attached when each foreground change was asked for.
    std::vector<bool> attachedAtChange;

private:
    const Window* find(WindowId window) const;
    bool attachedNow() const;
};

} // namespace flickmark
