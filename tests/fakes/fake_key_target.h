// The integrity of the windows' programs as the test sets it, and the tray notices shown.
#pragma once

#include "platform/process_integrity.h"
#include "platform/tray_notice.h"

#include <set>
#include <string>
#include <vector>

namespace flickmark {

class FakeProcessIntegrity final : public ProcessIntegrity {
public:
    bool aboveOurs(WindowId window) override { return elevated.count(window) != 0; }
    std::set<WindowId> elevated; // windows of programs that run as administrator
};

class RecordingTrayNotice final : public TrayNotice {
public:
    struct Notice {
        std::string title;
        std::string text;
        friend bool operator==(const Notice&, const Notice&) = default;
    };
    bool showNotice(const std::string& title, const std::string& text) override {
        if (!iconUp)
            return false;
        shown.push_back({title, text});
        return true;
    }
    std::vector<Notice> shown;
    bool iconUp = true; // false: no icon to show a notice from
};

} // namespace flickmark
