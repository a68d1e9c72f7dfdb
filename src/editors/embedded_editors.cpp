#include "editors/embedded_editors.h"

#include <exception>

namespace flickmark {

void EmbeddedEditors::make(std::string_view name, const std::function<void()>& make) {
    if (failure_)
        return;
    try {
        make();
    } catch (const std::exception& e) {
        failure_ = "the " + std::string(name) + " editor: " + e.what();
    } catch (...) {
        failure_ = "the " + std::string(name) + " editor: unknown error";
    }
}

std::optional<std::string> EmbeddedEditors::openingRefusal(std::string_view window) const {
    if (!failure_)
        return std::nullopt;
    return "The " + std::string(window) + " does not open: it could not create " + *failure_;
}

} // namespace flickmark
