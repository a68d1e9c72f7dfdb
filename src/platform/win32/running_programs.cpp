#include "platform/win32/running_programs.h"

#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

#include <set>

namespace flickmark {
namespace {

BOOL CALLBACK collectProcess(HWND window, LPARAM data) {
    auto& processes = *reinterpret_cast<std::set<DWORD>*>(data);
    if (!::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER) != nullptr ||
        (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0 ||
        ::GetWindowTextLengthW(window) == 0)
        return TRUE;
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(window, &processId) != 0 && processId != ::GetCurrentProcessId())
        processes.insert(processId);
    return TRUE;
}

} // namespace

std::vector<std::string> Win32RunningPrograms::programsWithWindows() {
    std::set<DWORD> processes;
    ::EnumWindows(&collectProcess, reinterpret_cast<LPARAM>(&processes));
    std::vector<std::string> names;
    const win32::UniqueHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry))
        if (processes.count(entry.th32ProcessID) > 0)
            names.push_back(win32::narrow(entry.szExeFile));
    return names;
}

} // namespace flickmark
