// What the gesture library's menus need of the configuration window: opening it on one of its pages.
#pragma once

namespace flickmark {

inline constexpr int kHelpPopupPage = 1;
inline constexpr int kDiagonalsPage = 3;

class ConfigurationPages {
public:
    virtual ~ConfigurationPages() = default;
    // Shows the configuration window with the page of that index in front.
    virtual void openConfiguration(int page) = 0;
};

} // namespace flickmark
