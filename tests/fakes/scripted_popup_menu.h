// A popup menu that answers from a script on virtual time: each showing is recorded, stays open for its
// answer's time and returns its answer's choice. Without a scripted answer it stays open a second and
// closes without a choice.
#pragma once

#include "fakes/virtual_clock.h"
#include "platform/menus.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace flickmark {

class ScriptedPopupMenu final : public PopupMenu {
public:
    struct Answer {
        std::optional<int> choice;
        int openMs = 1000;
        bool fails = false; // the menu cannot be built: throws
    };
    struct Shown {
        std::vector<MenuItem> items;
        Point at;
        std::int64_t timeMs = 0;
    };

    explicit ScriptedPopupMenu(VirtualClock& clock) : clock_(clock) {}

    std::optional<int> track(const std::vector<MenuItem>& items, Point at,
                             MenuHighlightListener* listener) override {
        const Answer answer = answers.empty() ? Answer{} : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (answer.fails)
            throw std::runtime_error("menu could not be built");
        shown.push_back({items, at, clock_.now()});
        if (whileOpen)
            whileOpen(listener);
        clock_.advance(answer.openMs);
        if (listener)
            listener->menuClosed();
        return answer.choice;
    }

    std::deque<Answer> answers;
    std::vector<Shown> shown;
    // Runs while the menu is open (messages of its loop, the user moving over items).
    std::function<void(MenuHighlightListener*)> whileOpen;

private:
    VirtualClock& clock_;
};

} // namespace flickmark
