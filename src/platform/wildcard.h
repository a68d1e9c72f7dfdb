// File-name patterns as the file search of the platform reads them: '*' stands for any run of characters,
// '?' for any one character (of UTF-8, however many bytes it takes), and letters compare ignoring ASCII case.
#pragma once

#include <string_view>

namespace flickmark {

bool matchesWildcard(std::string_view name, std::string_view pattern);

} // namespace flickmark
