// dump_controls: writes the state of a top-level window of another process and of every control inside
// it (children of children included), for tests that read a window from outside.
//
//   dump_controls.exe TITLE OUT
//
// One line per window, tab-separated: control id (0 for the top-level window), class name, shown
// (IsWindowVisible: the window and all its parents), enabled, check state (buttons, else -1), position
// (track bars, else -1), screen rectangle as left,top,right,bottom, and the text (WM_GETTEXT, which works
// across processes). OUT is written only when the window exists. Exit code: 0 written, 1 no such window,
// 2 on a usage or I/O error.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kMaxText = 4096;

std::string narrow(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size,
                          nullptr, nullptr);
    return result;
}

std::string describe(HWND window, int id) {
    wchar_t className[256] = {};
    ::GetClassNameW(window, className, 256);
    std::wstring text(kMaxText, L'\0');
    const LRESULT length =
        ::SendMessageW(window, WM_GETTEXT, kMaxText, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    for (wchar_t& c : text)
        if (c == L'\t' || c == L'\r' || c == L'\n')
            c = L' ';
    const std::wstring kind = className;
    const long check = kind == L"Button" ? static_cast<long>(::SendMessageW(window, BM_GETCHECK, 0, 0)) : -1;
    const long position =
        kind == TRACKBAR_CLASSW ? static_cast<long>(::SendMessageW(window, TBM_GETPOS, 0, 0)) : -1;
    RECT r{};
    ::GetWindowRect(window, &r);
    char line[512];
    std::snprintf(line, sizeof line, "%d\t%s\t%d\t%d\t%ld\t%ld\t%ld,%ld,%ld,%ld\t", id, narrow(kind).c_str(),
                  ::IsWindowVisible(window) ? 1 : 0, ::IsWindowEnabled(window) ? 1 : 0, check, position,
                  r.left, r.top, r.right, r.bottom);
    return line + narrow(text) + "\n";
}

BOOL CALLBACK collect(HWND window, LPARAM lines) {
    reinterpret_cast<std::vector<std::string>*>(lines)->push_back(describe(window, ::GetDlgCtrlID(window)));
    return TRUE;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv || argc != 3)
        return 2;
    const HWND top = ::FindWindowW(nullptr, argv[1]);
    if (!top)
        return 1;
    std::vector<std::string> lines{describe(top, 0)};
    ::EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&lines));
    FILE* out = _wfopen(argv[2], L"wb");
    if (!out)
        return 2;
    for (const std::string& line : lines)
        std::fputs(line.c_str(), out);
    return std::fclose(out) == 0 ? 0 : 2;
}
