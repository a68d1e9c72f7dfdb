#include "platform/win32/win32_special_folders.h"

#include "platform/win32/text_convert.h"

#include <windows.h>

#include <shlobj.h>

namespace flickmark {
namespace {

int csidlOf(SpecialFolder folder) {
    switch (folder) {
    case SpecialFolder::Desktop:
        return CSIDL_DESKTOPDIRECTORY;
    case SpecialFolder::StartMenu:
        return CSIDL_STARTMENU;
    case SpecialFolder::CommonStartMenu:
        return CSIDL_COMMON_STARTMENU;
    case SpecialFolder::Documents:
        return CSIDL_PERSONAL;
    }
    return CSIDL_PERSONAL;
}

} // namespace

std::string Win32SpecialFolders::path(SpecialFolder folder) {
    wchar_t found[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, csidlOf(folder), nullptr, SHGFP_TYPE_CURRENT, found)))
        return {};
    return win32::narrowExactly(found).value_or(std::string{});
}

} // namespace flickmark
