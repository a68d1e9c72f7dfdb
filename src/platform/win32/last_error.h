#pragma once

#include <windows.h>

#include <stdexcept>

namespace flickmark::win32 {

// A Win32 call failed; what() names the call and the error code GetLastError gave.
class Win32Error : public std::runtime_error {
public:
    Win32Error(const char* call, DWORD code);
    DWORD code() const { return code_; }

private:
    DWORD code_;
};

// Throws Win32Error for `call` with the thread's last error.
[[noreturn]] void throwLastError(const char* call);

} // namespace flickmark::win32
