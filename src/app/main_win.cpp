// Program entry: makes sure this is the only copy in the session, finds the data folder from the command
// line, creates the application and runs it.
#include "actions/data_folder.h"
#include "app/application_win.h"
#include "app/single_instance_win.h"
#include "platform/win32/process_paths.h"
#include "platform/win32/text_convert.h"
#include "settings/sign_in_start_choice.h"

#include <commctrl.h>
#include <windows.h>

#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr wchar_t kApplicationTitle[] = L"Flickmark";

struct CommandLine {
    std::string dataFolder;
    std::string signInCommand; // what starts this copy the same way when the user signs in
};

CommandLine readCommandLine() {
    using namespace flickmark::win32;
    std::vector<std::string> arguments;
    for (const std::wstring& argument : commandLineArguments())
        arguments.push_back(narrow(argument));
    const std::wstring program = executablePath();
    std::string folder = flickmark::dataFolderFromCommandLine(flickmark::executableFolder(narrow(program)),
                                                              arguments, narrow(currentDirectory()));
    const bool dataFolderNamed = flickmark::namesDataFolder(arguments);
    std::string signIn = flickmark::signInCommand(
        narrow(program), dataFolderNamed ? std::optional<std::string_view>(folder) : std::nullopt);
    return {std::move(folder), std::move(signIn)};
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Libraries loaded from here on by name, ours or the system's on our behalf, come from the system folder
    // only, never from the executable's folder or the current one, where a planted file could wait.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A second start asks the running copy to show its gestures window, and ends at once.
    const flickmark::SingleInstance instance;
    if (!instance.first())
        return 0;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);
    try {
        const CommandLine commandLine = readCommandLine();
        flickmark::Application application(commandLine.dataFolder, commandLine.signInCommand);
        return application.run();
    } catch (const std::exception& e) {
        const std::wstring text = L"Flickmark could not start:\n" + flickmark::win32::widen(e.what());
        ::MessageBoxW(nullptr, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
}
