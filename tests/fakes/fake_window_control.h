// Windows that window commands act on, as the test sets them: each with its frame and its place, and what
// was done to it.
#pragma once

#include "platform/window_control.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class FakeWindowControl final : public WindowControl {
public:
    struct Window {
        WindowFrame frame{true, true, true, false};
        WindowPlace place{ShowState::Normal, Rect{100, 100, 900, 700}, Rect{100, 100, 900, 700}};
        WindowId owner = 0; // the root owner, when it is another window
    };
    // What a command did, in order: "Maximize 42", "topmost 42 on", "move 42 10,20,30,40 size",
    // "restored place 42 10,20,30,40 maximized".
    std::vector<std::string> calls;

    bool exists(WindowId window) override { return windows.count(window) != 0; }
    WindowId rootOwner(WindowId window) override {
        const auto found = windows.find(window);
        if (found == windows.end())
            return 0;
        return found->second.owner != 0 ? found->second.owner : window;
    }
    std::optional<WindowFrame> frame(WindowId window) override {
        const auto found = windows.find(window);
        return found == windows.end() ? std::nullopt : std::optional<WindowFrame>(found->second.frame);
    }
    bool postSystemCommand(WindowId window, SystemCommand command) override {
        static constexpr const char* kNames[] = {"Maximize", "Minimize", "Restore", "Close"};
        calls.push_back(std::string(kNames[static_cast<int>(command)]) + " " + std::to_string(window));
        return true;
    }
    bool setTopmost(WindowId window, bool topmost) override {
        calls.push_back("topmost " + std::to_string(window) + (topmost ? " on" : " off"));
        return !refuseTopmost;
    }
    std::vector<MonitorArea> monitorAreas() override { return monitors; }
    std::optional<WindowPlace> place(WindowId window) override {
        const auto found = windows.find(window);
        return found == windows.end() ? std::nullopt : std::optional<WindowPlace>(found->second.place);
    }
    bool moveWindow(WindowId window, const Rect& rect, bool sizeToo) override {
        calls.push_back("move " + std::to_string(window) + " " + text(rect) +
                        (sizeToo ? " size" : " keep size"));
        return true;
    }
    bool setRestoredPlace(WindowId window, const Rect& normal, ShowState state) override {
        calls.push_back("restored place " + std::to_string(window) + " " + text(normal) +
                        (state == ShowState::Maximized ? " maximized" : " minimized"));
        return true;
    }

    static std::string text(const Rect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }

    std::map<WindowId, Window> windows;
    std::vector<MonitorArea> monitors{{Rect{0, 0, 1920, 1080}, Rect{0, 0, 1920, 1040}, 96}};
    bool refuseTopmost = false;
};

} // namespace flickmark
