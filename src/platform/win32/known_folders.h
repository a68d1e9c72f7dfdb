// The shell's special folders, looked up each time they are asked for.
#pragma once

#include "platform/known_folders.h"

namespace flickmark {

class Win32KnownFolders final : public KnownFolders {
public:
    std::string path(KnownFolder folder) override;
};

} // namespace flickmark
