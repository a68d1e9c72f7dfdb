// Known folders port: the shell folders a file chooser can start in.
#pragma once

#include <string>

namespace flickmark {

enum class KnownFolder {
    Desktop,         // the user's desktop
    StartMenu,       // the user's Start menu
    CommonStartMenu, // the Start menu of all users
    Documents,       // the user's documents
};

class KnownFolders {
public:
    virtual ~KnownFolders() = default;
    // The folder's path; "" when the system cannot name it.
    virtual std::string path(KnownFolder folder) = 0;
};

} // namespace flickmark
