// An arrow popup that records what it was asked to show. Like the real one, it ignores a show while an
// arrow is showing.
#pragma once

#include "recognizer/arrow_popup.h"

#include <functional>
#include <vector>

namespace flickmark {

class FakeArrowPopup final : public ArrowPopup {
public:
    struct Shown {
        Direction direction;
        Point at;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    void showArrow(Direction direction, Point at) override {
        if (onShow)
            onShow();
        if (showing_)
            return;
        showing_ = true;
        position_ = at;
        shown.push_back({direction, at});
    }
    void hide() override {
        showing_ = false;
        ++hides;
    }
    bool isShowing() const override { return showing_; }
    Point position() const override { return position_; }

    std::vector<Shown> shown;
    int hides = 0;
    std::function<void()> onShow; // runs first in every show, for tests of a failing popup

private:
    bool showing_ = false;
    Point position_;
};

} // namespace flickmark
