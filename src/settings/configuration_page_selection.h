// Which page of the configuration window is current. It starts on the first page and keeps the page the
// user looked at last while the window is hidden.
#pragma once

#include "settings/configuration_content.h"

namespace flickmark {

class ConfigurationPageSelection {
public:
    int current() const { return current_; }

    // Makes a page current. kKeepPage, or an index that names no page, keeps the current one. Returns
    // whether the current page changed.
    bool select(int page) {
        if (page < 0 || page >= configuration_page::kCount || page == current_)
            return false;
        current_ = page;
        return true;
    }

private:
    int current_ = configuration_page::kGestures;
};

} // namespace flickmark
