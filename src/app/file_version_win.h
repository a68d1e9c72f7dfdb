// The version of the running executable, read from its own version resource.
#pragma once

#include "app/version_text.h"

#include <optional>

namespace flickmark {

// None when the executable carries no version information.
std::optional<VersionText> ownFileVersion();

} // namespace flickmark
