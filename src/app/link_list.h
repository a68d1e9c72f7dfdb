// Links made between parts after they were built (a target set, an observer registered), each with what
// undoes it. They are undone newest first, before the parts themselves go.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace flickmark {

class LinkList {
public:
    LinkList() = default;
    ~LinkList() { undoAll(); }
    LinkList(const LinkList&) = delete;
    LinkList& operator=(const LinkList&) = delete;

    // Runs `make` now and keeps `undo` for later.
    void link(const std::function<void()>& make, std::function<void()> undo) {
        undos_.reserve(undos_.size() + 1); // nothing can fail between making and keeping
        make();
        undos_.push_back(std::move(undo));
    }

    void undoAll() noexcept {
        while (!undos_.empty()) {
            const std::function<void()> undo = std::move(undos_.back());
            undos_.pop_back();
            undo();
        }
    }

private:
    std::vector<std::function<void()>> undos_;
};

} // namespace flickmark
