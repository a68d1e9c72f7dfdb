// The "Common Examples" menus of the key field and of the keystroke list: fixed entries whose keystrokes
// are written in the stored notation.
#pragma once

#include <string_view>

namespace flickmark {

struct ExampleMenuItem {
    enum class Kind {
        Clear,     // empties the editor
        Separator, // a line between groups; its caption is "-"
        Example,   // loads `keystrokes`
    };
    std::string_view caption;
    Kind kind = Kind::Example;
    // Encoded keystroke (key field) or "|"-joined keystroke list (keystroke list); empty otherwise.
    std::string_view keystrokes;
};

} // namespace flickmark
