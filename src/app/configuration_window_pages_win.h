// The gesture library's menus open the configuration window through this port. The menus exist before the
// window does (start-up creates the window late), so until then a request opens nothing.
#pragma once

#include "library/configuration_pages.h"
#include "settings/configuration_window_win.h"

namespace flickmark {

class ConfigurationWindowPages final : public ConfigurationPages {
public:
    void openConfiguration(int page) override {
        if (window)
            window->showPage(page);
    }

    ConfigurationWindow* window = nullptr;
};

} // namespace flickmark
