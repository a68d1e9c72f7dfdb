#include "platform/win32/last_error.h"

#include <string>

namespace flickmark::win32 {

Win32Error::Win32Error(const char* call, DWORD code)
    : std::runtime_error(std::string(call) + " failed (error " + std::to_string(code) + ")"), code_(code) {}

void throwLastError(const char* call) {
    throw Win32Error(call, ::GetLastError());
}

} // namespace flickmark::win32
