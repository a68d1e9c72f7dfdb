#include "app/file_version_win.h"

#include "platform/win32/window_base.h"

#include <windows.h>

#include <cstdint>
#include <span>

namespace flickmark {
namespace {

const wchar_t* const kVersionResourceType = MAKEINTRESOURCEW(16); // RT_VERSION, in its wide form

} // namespace

// Read straight from the module's own resources rather than through the version library, so that the
// program loads no library at start that a file planted beside it could stand in for.
std::optional<VersionText> ownFileVersion() {
    const HMODULE module = win32::moduleInstance();
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), kVersionResourceType);
    if (!found)
        return std::nullopt;
    const HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes)
        return std::nullopt;
    return versionTextFromResource(
        std::span(static_cast<const std::uint8_t*>(bytes), ::SizeofResource(module, found)));
}

} // namespace flickmark
