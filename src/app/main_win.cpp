// Program entry: reads the command line, creates the application and runs it.
#include "app/application_win.h"
#include "app/command_line.h"
#include "app/main_window_win.h"
#include "platform/win32/text_convert.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

// The arguments after the program name, in the system code page (the form data file paths take).
std::vector<std::string> programArguments() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i)
        arguments.emplace_back(__argv[i]);
    return arguments;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    try {
        flickmark::Application application(flickmark::parseCommandLine(programArguments()));
        return application.run();
    } catch (const std::exception& e) {
        const std::wstring text = L"Flickmark could not start:\n" + flickmark::win32::widen(e.what());
        ::MessageBoxW(nullptr, text.c_str(), flickmark::kApplicationTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
}
