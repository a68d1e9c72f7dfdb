#include "platform/win32/known_folders.h"

#include "platform/win32/text_convert.h"

#include <windows.h>

#include <shlobj.h>

namespace flickmark {
namespace {

int csidlOf(KnownFolder folder) {
    switch (folder) {
    case KnownFolder::Desktop:
        return CSIDL_DESKTOPDIRECTORY;
    case KnownFolder::StartMenu:
        return CSIDL_STARTMENU;
    case KnownFolder::CommonStartMenu:
        return CSIDL_COMMON_STARTMENU;
    case KnownFolder::Documents:
        return CSIDL_PERSONAL;
    }
    return CSIDL_PERSONAL;
}

} // namespace

std::string Win32KnownFolders::path(KnownFolder folder) {
    wchar_t found[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, csidlOf(folder), nullptr, SHGFP_TYPE_CURRENT, found)))
        return {};
    return win32::narrow(found);
}

} // namespace flickmark
