// The shell's special folders, looked up each time they are asked for.
#pragma once

#include "platform/special_folders.h"

namespace flickmark {

class Win32SpecialFolders final : public SpecialFolders {
public:
    // "" also when the path has characters that the system code page cannot hold.
    std::string path(SpecialFolder folder) override;
};

} // namespace flickmark
