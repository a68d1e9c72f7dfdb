// Starting the program, document or folder of a "Run Program / File" action.
//
// An action text is the program and its parameters joined by "|" ("C:\Tools\app.exe|-x"); the program part
// may hold %NAME% references, which are expanded at launch, while the parameters are passed as written.
// A failed start never stops the program: it becomes one line in the diagnostic log.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/desktop.h"
#include "platform/launcher.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace flickmark {

// The program part of a command line: quoted when it holds a blank and is not quoted already, so that
// "C:\Program Files\app.exe" cannot start "C:\Program.exe". Trailing blanks are dropped.
std::string quoteProgramPath(std::string_view program);

class ProgramLauncher {
public:
    // `log` must outlive the launcher.
    ProgramLauncher(Launcher& launcher, DiagnosticLog& log) : launcher_(launcher), log_(log) {}

    // Owner of the shell's error and progress windows for actions (the gestures window); 0 until set.
    void setOwnerWindow(WindowId owner) { owner_ = owner; }
    WindowId ownerWindow() const { return owner_; }

    // The full expansion of every %NAME% reference; the text unchanged when the system refuses it.
    std::string expandEnvironment(const std::string& text);

    // Starts a command line in a new process group without waiting. Returns whether it started.
    bool launchCommand(const std::string& commandLine,
                       std::uint32_t priorityClass = creation_flags::kNormalPriority);

    // Opens `text` through the shell (programs, documents with their program, folders). When the shell
    // cannot, the text is read as a program followed by its arguments ("notepad.exe C:\a.txt"): the program
    // is the quoted first part, or all up to the first blank, and must carry a program's extension (.exe,
    // .com, .scr, .bat, .cmd); exactly that program starts (located as below), never a shorter part of a
    // path with blanks.
    // Anything else starts nothing and logs one line. Returns 0 on success or when `text` is blank, else the
    // system error code of the failed start (2, file not found, when nothing could be started).
    std::uint32_t shellRun(WindowId owner, std::string_view text);

    // A program named without a folder ("notepad.exe", "notepad", which means "notepad.exe") as the shell
    // finds it: registered under App Paths, else in the system folders, else in PATH; never beside
    // flickmark.exe or in the current folder, where process creation would look first and where a planted
    // program may wait. Any other program is returned as given; nothing when a bare name is found nowhere.
    std::optional<std::string> locateProgram(std::string_view program);

    // Runs an action text: with a parameter part (even a blank one) the expanded program (located as above)
    // and the parameters start as one command line; otherwise the expanded program is opened with shellRun.
    // An empty program starts nothing, whatever its parameters (which are logged). Returns whether something
    // was started.
    bool runProgramAction(std::string_view actionText);

private:
    Launcher& launcher_;
    DiagnosticLog& log_;
    WindowId owner_ = 0;
};

} // namespace flickmark
