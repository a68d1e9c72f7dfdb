#include "app/file_version_win.h"

#include "platform/win32/process_paths.h"

#include <windows.h>

#include <vector>

namespace flickmark {

std::optional<VersionText> ownFileVersion() {
    const std::wstring path = win32::executablePath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<unsigned char> block(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
        return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return versionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

} // namespace flickmark
