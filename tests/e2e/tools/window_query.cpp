// Reads a window of another process for the end-to-end tests, and prints the answer on one line.
//
// Usage: window_query.exe text CLASS TITLE ID   the text of control ID (WM_GETTEXT, UTF-8)
//        window_query.exe visible CLASS TITLE   1 when the top-level window is shown, else 0
// CLASS and TITLE find the top-level window (FindWindowW); "-" for either matches any. Exit code 0 with an
// answer, 10 when the window does not exist, 11 when the control does not exist or does not answer, 2 on bad
// usage. (Wine itself ends with 1 when it fails to start a program.)
#include <windows.h>

#include <shellapi.h> // after windows.h

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

const wchar_t* orAny(const wchar_t* argument) {
    return std::wcscmp(argument, L"-") == 0 ? nullptr : argument;
}

void printUtf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 4)
        return 2;
    const std::wstring verb = arguments[1];
    const HWND window = FindWindowW(orAny(arguments[2]), orAny(arguments[3]));
    if (!window)
        return 10;
    if (verb == L"visible") {
        printUtf8(IsWindowVisible(window) ? L"1" : L"0");
        return 0;
    }
    if (verb == L"text" && count >= 5) {
        const HWND control = GetDlgItem(window, static_cast<int>(std::wcstol(arguments[4], nullptr, 10)));
        if (!control)
            return 11;
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
            return 11;
        std::wstring text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                                 SMTO_ABORTIFHUNG, 2000, &copied))
            return 11;
        text.resize(copied);
        printUtf8(text);
        return 0;
    }
    return 2;
}
