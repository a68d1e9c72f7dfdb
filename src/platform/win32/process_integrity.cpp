#include "platform/win32/process_integrity.h"

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <vector>

namespace flickmark {
namespace {

// The level is the last sub-authority of the token's mandatory label (0x2000 medium, 0x3000 high, ...).
std::optional<std::uint32_t> integrityLevel(HANDLE process) {
    HANDLE openedToken = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &openedToken))
        return std::nullopt;
    const win32::UniqueHandle token(openedToken);
    DWORD size = 0;
    ::GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
    if (size < sizeof(TOKEN_MANDATORY_LABEL))
        return std::nullopt;
    std::vector<unsigned char> buffer(size); // from operator new: aligned for the label and its pointer
    if (!::GetTokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), size, &size))
        return std::nullopt;
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
    if (!sid || !::IsValidSid(sid))
        return std::nullopt;
    const UCHAR count = *::GetSidSubAuthorityCount(sid);
    if (count == 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(*::GetSidSubAuthority(sid, count - 1u));
}

} // namespace

// A process that cannot be queried (another user's, a protected one) counts as not above ours: the keys go
// out as they always did. Limited query rights are what a lower level may still ask of a higher one.
bool Win32ProcessIntegrity::aboveOurs(WindowId window) {
    DWORD processId = 0;
    if (!::GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &processId) || processId == 0 ||
        processId == ::GetCurrentProcessId())
        return false;
    if (!ownLevel_) {
        ownLevel_ = integrityLevel(::GetCurrentProcess());
        if (!ownLevel_)
            return false;
    }
    const win32::UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return false;
    const std::optional<std::uint32_t> level = integrityLevel(process.get());
    return level && *level > *ownLevel_;
}

} // namespace flickmark
