#include "platform/win32/process_paths.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <memory>

namespace flickmark::win32 {
namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* block) const noexcept { ::LocalFree(block); }
};

// For calls that return the length written (without the zero) when the buffer was large enough, and the
// size needed (with the zero) when it was not; 0 on failure.
template <typename Call> std::wstring readGrowing(Call call) {
    std::wstring text(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0)
            return {};
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(std::max<std::size_t>(length, text.size() * 2));
    }
    return {};
}

} // namespace

// GetModuleFileNameW returns the buffer size when the path was cut (and, on newer systems, sets
// ERROR_INSUFFICIENT_BUFFER); it never says how much it needs, so the buffer doubles until the path fits.
std::wstring executablePath() {
    return readGrowing(
        [](wchar_t* buffer, DWORD size) { return ::GetModuleFileNameW(nullptr, buffer, size); });
}

std::vector<std::wstring> commandLineArguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> arguments(
        ::CommandLineToArgvW(::GetCommandLineW(), &count));
    std::vector<std::wstring> result;
    if (!arguments)
        return result;
    for (int i = 1; i < count; ++i)
        result.emplace_back(arguments.get()[i]);
    return result;
}

std::wstring currentDirectory() {
    return readGrowing([](wchar_t* buffer, DWORD size) { return ::GetCurrentDirectoryW(size, buffer); });
}

} // namespace flickmark::win32
