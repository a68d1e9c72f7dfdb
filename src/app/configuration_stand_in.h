// Stands in for the configuration window until it exists: the log says which page would open.
#pragma once

#include "base/diagnostic_log.h"
#include "library/configuration_pages.h"

#include <string>

namespace flickmark {

class LoggedConfigurationPages final : public ConfigurationPages {
public:
    explicit LoggedConfigurationPages(DiagnosticLog& log) : log_(log) {}

    void openConfiguration(int page) override {
        log_.append("open configuration window on page " + std::to_string(page));
    }

private:
    DiagnosticLog& log_;
};

} // namespace flickmark
