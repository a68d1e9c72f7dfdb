// The editors a window embeds, made one by one when the window is created. A window whose editors were not
// all made must not open: its pages would reach the missing one.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

class EmbeddedEditors {
public:
    // Runs `make` unless an earlier editor failed; an exception it throws is caught and kept as the reason.
    void make(std::string_view name, const std::function<void()>& make);
    bool complete() const { return !failure_; }
    // The one log line for an opening of `window` that must be refused; none when it may open.
    std::optional<std::string> openingRefusal(std::string_view window) const;

private:
    std::optional<std::string> failure_; // "the <name> editor: <reason>"
};

} // namespace flickmark
