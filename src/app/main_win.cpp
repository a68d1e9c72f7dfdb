// Program entry: finds the data folder from the command line, creates the application and runs it.
#include "actions/data_folder.h"
#include "app/application_win.h"
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

// The folder of the running executable, without a trailing delimiter; empty when it cannot be read.
std::string executableFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        // A full buffer means the path was cut; the call gives no length to grow to.
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

std::string currentDirectory() {
    const DWORD needed = ::GetCurrentDirectoryA(0, nullptr);
    if (needed == 0)
        return {};
    std::string directory(needed, '\0');
    const DWORD length = ::GetCurrentDirectoryA(needed, directory.data());
    directory.resize(length < needed ? length : 0);
    return directory;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    try {
        const std::vector<std::string> arguments = programArguments();
        flickmark::Application application(
            flickmark::dataFolderFromCommandLine(executableFolder(), arguments, currentDirectory()));
        return application.run();
    } catch (const std::exception& e) {
        const std::wstring text = L"Flickmark could not start:\n" + flickmark::win32::widen(e.what());
        ::MessageBoxW(nullptr, text.c_str(), flickmark::kApplicationTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
}
