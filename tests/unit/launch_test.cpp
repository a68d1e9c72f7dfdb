#include "actions/launch.h"

#include "fakes/fake_launcher.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

constexpr std::uint32_t normalNewGroup = 0x20 | 0x200;

class LaunchTest : public ::testing::Test {
protected:
    LaunchTest() {
        launcher.environment["WINDIR"] = "C:\\windows";
        launcher.environment["ProgramFiles"] = "C:\\Program Files";
        launcher.environment["TEMP"] = "C:\\temp";
        programs.setOwnerWindow(0x55);
    }
    using ShellCalls = std::vector<FakeLauncher::ShellCall>;
    using ProcessCalls = std::vector<FakeLauncher::ProcessCall>;

    FakeLauncher launcher;
    DiagnosticLog log;
    ProgramLauncher programs{launcher, log};
};

TEST_F(LaunchTest, ProgramWithoutParametersOpensThroughTheShell) {
    for (const char* action : {"notepad.exe|", "notepad.exe", "  notepad.exe|"}) {
        launcher.shellCalls.clear();
        EXPECT_TRUE(programs.runProgramAction(action)) << action;
        EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x55, "notepad.exe"}})) << action;
    }
    EXPECT_TRUE(launcher.processCalls.empty());
}

TEST_F(LaunchTest, ParametersStartOneCommandLine) {
    const struct {
        const char* action;
        const char* commandLine;
    } table[] = {
        {"C:\\Tools\\app.exe|%TEMP%", "C:\\Tools\\app.exe %TEMP%"}, // parameters are passed as written
        {"C:\\Tools\\app.exe|   ", "C:\\Tools\\app.exe "},          // blank parameters still choose this way
        {"C:\\Tools\\app.exe| -x -y|ignored", "C:\\Tools\\app.exe -x -y"},
        {"%WINDIR%\\notepad.exe|a", "C:\\windows\\notepad.exe a"},
        // A path with blanks is quoted, so that "C:\Program.exe" can never start in its place.
        {"C:\\Program Files\\app.exe|-x", "\"C:\\Program Files\\app.exe\" -x"},
        {"%ProgramFiles%\\app.exe|-x", "\"C:\\Program Files\\app.exe\" -x"},
        {"\"C:\\Program Files\\app.exe\"|-x", "\"C:\\Program Files\\app.exe\" -x"},
        {"C:\\Tools\\app.exe  |-x", "C:\\Tools\\app.exe -x"},
        {"C:\\a\tb\\app.exe|-x", "\"C:\\a\tb\\app.exe\" -x"},
    };
    for (const auto& row : table) {
        launcher.processCalls.clear();
        EXPECT_TRUE(programs.runProgramAction(row.action)) << row.action;
        EXPECT_EQ(launcher.processCalls, (ProcessCalls{{row.commandLine, normalNewGroup}})) << row.action;
    }
    EXPECT_TRUE(launcher.shellCalls.empty());
}

TEST_F(LaunchTest, ABareProgramNameIsFoundWhereTheShellLooksNeverBesideFlickmark) {
    launcher.appPaths["chrome.exe"] = "C:\\Program Files\\Chrome\\chrome.exe";
    launcher.files.insert("C:\\Program Files\\Chrome\\chrome.exe");
    launcher.appPaths["gone.exe"] = "C:\\Old\\gone.exe"; // registered, but no longer there
    launcher.files.insert("C:\\Tools\\gone.exe");
    launcher.files.insert("C:\\windows\\write.exe");
    launcher.files.insert("C:\\Tools\\notepad.exe"); // a later folder of PATH
    const struct {
        const char* action;
        const char* commandLine; // nullptr: nothing starts
    } table[] = {
        {"notepad.exe|C:\\a.txt", "C:\\windows\\system32\\notepad.exe C:\\a.txt"},
        {"notepad|a", "C:\\windows\\system32\\notepad.exe a"}, // without an extension: .exe
        {"\"notepad.exe\"|a", "C:\\windows\\system32\\notepad.exe a"},
        {"chrome.exe|--new-window", "\"C:\\Program Files\\Chrome\\chrome.exe\" --new-window"},
        {"gone.exe|x", "C:\\Tools\\gone.exe x"},
        {"write.exe|x", "C:\\windows\\write.exe x"},
        // Beside flickmark.exe or in the current folder only: not started.
        {"planted.exe|-x", nullptr},
        // A program with a folder, even a relative one, is taken as written.
        {"tools\\planted.exe|-x", "tools\\planted.exe -x"},
        {".\\planted.exe|-x", ".\\planted.exe -x"},
    };
    for (const auto& row : table) {
        launcher.processCalls.clear();
        const std::size_t logged = log.lines().size();
        EXPECT_EQ(programs.runProgramAction(row.action), row.commandLine != nullptr) << row.action;
        if (row.commandLine) {
            EXPECT_EQ(launcher.processCalls, (ProcessCalls{{row.commandLine, normalNewGroup}})) << row.action;
        } else {
            EXPECT_TRUE(launcher.processCalls.empty()) << row.action;
            ASSERT_EQ(log.lines().size(), logged + 1) << row.action;
            EXPECT_EQ(log.lines().back(),
                      "Run Program / File not started: planted.exe is in none of App Paths, "
                      "the system folders and PATH");
        }
    }
}

TEST_F(LaunchTest, ProgramPartIsExpandedBeforeOpening) {
    programs.runProgramAction("%WINDIR%\\notepad.exe|");
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x55, "C:\\windows\\notepad.exe"}}));
}

TEST_F(LaunchTest, ExpansionIsUsedWholeOrNotAtAll) {
    const std::string longFolder = "C:\\" + std::string(400, 'd');
    launcher.environment["DEEP"] = longFolder;
    EXPECT_EQ(programs.expandEnvironment("%DEEP%\\app.exe"), longFolder + "\\app.exe");
    programs.runProgramAction("%DEEP%\\app.exe|");
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x55, longFolder + "\\app.exe"}}));

    launcher.refuseExpansion = true;
    EXPECT_EQ(programs.expandEnvironment("%WINDIR%\\a.exe"), "%WINDIR%\\a.exe");
}

// Without a program nothing starts: parameters alone would become the whole command line, unquoted, and
// "C:\Program Files\Tool\tool.exe -x" would try C:\Program.exe first.
TEST_F(LaunchTest, EmptyProgramStartsNothingWhateverItsParameters) {
    for (const char* action : {"", "|", "   |", "   "})
        EXPECT_FALSE(programs.runProgramAction(action)) << action;
    EXPECT_TRUE(log.lines().empty());
    EXPECT_FALSE(programs.runProgramAction("|C:\\Program Files\\Tool\\tool.exe -x"));
    EXPECT_TRUE(launcher.shellCalls.empty());
    EXPECT_TRUE(launcher.processCalls.empty());
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines().front(), "Run Program / File not started: it names no program, only the parameters "
                                   "C:\\Program Files\\Tool\\tool.exe -x");
}

TEST_F(LaunchTest, BracketsInAPathAreNeverReadAsKeys) {
    programs.runProgramAction("C:\\Games\\[TAB]\\a.exe|");
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x55, "C:\\Games\\[TAB]\\a.exe"}}));
}

TEST_F(LaunchTest, ShellRunTrimsTheText) {
    EXPECT_EQ(programs.shellRun(0x9, " \t C:\\docs\\a b.txt \r\n"), 0u);
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x9, "C:\\docs\\a b.txt"}}));
    EXPECT_EQ(programs.shellRun(0x9, " \t\r\n"), 0u);
    EXPECT_EQ(launcher.shellCalls.size(), 1u);
    EXPECT_TRUE(launcher.processCalls.empty());
}

// What the shell cannot open (a result of 32 or below) is read as a program followed by its arguments; only
// the program its first part names may start, never a shorter part of a path that could be a planted one.
TEST_F(LaunchTest, ShellRunFallsBackOnlyToTheProgramTheTextNames) {
    const struct {
        std::intptr_t shellResult;
        const char* text;
        const char* commandLine; // nullptr: nothing starts
    } table[] = {
        {2, "notepad.exe C:\\a.txt", "C:\\windows\\system32\\notepad.exe C:\\a.txt"},
        {32, "x.exe", "C:\\Tools\\x.exe"}, // 32 is still a failure
        {2, "C:\\Tools\\app.exe -x \"a b\"", "C:\\Tools\\app.exe -x \"a b\""},
        {2, "\"C:\\Program Files\\app.exe\" -x", "\"C:\\Program Files\\app.exe\" -x"},
        {2, "\"C:\\Tools\\app.exe\"-x", "C:\\Tools\\app.exe -x"}, // not C:\Tools\app.exe-x
        {2, "\"C:\\Program Files\\app.exe\"-x", "\"C:\\Program Files\\app.exe\" -x"},
        {2, "\"C:\\My Tools\\tool.exe", "\"C:\\My Tools\\tool.exe\""}, // no closing quote
        {2, "C:\\Batch\\RUN.Cmd arg", "C:\\Batch\\RUN.Cmd arg"},
        {2, "notepad.exe\tC:\\a.txt", "C:\\windows\\system32\\notepad.exe\tC:\\a.txt"},
        {2, "planted.exe -x", nullptr}, // a bare name found in none of the places the shell looks
        // A path with blanks that names nothing: its first word is no program of its own.
        {2, "D:\\My Tools\\tool.exe", nullptr},
        {2, "My Tools\\tool.exe", nullptr},
        {31, "C:\\notes\\to do.xyz", nullptr},
        {2, "C:\\notes\\to.do list.txt", nullptr},
        {2, "\"D:\\My Tools\\tool\" -x", nullptr},
        {2, "\"\" x.exe", nullptr},
        {2, "notepad C:\\a.txt", nullptr}, // without its extension the system would look for another file
        {2, "C:\\a.exe.\\b c", nullptr},
    };
    for (const auto& row : table) {
        launcher.processCalls.clear();
        launcher.shellResult = row.shellResult;
        const std::size_t logged = log.lines().size();
        const std::uint32_t result = programs.shellRun(0, row.text);
        if (row.commandLine) {
            EXPECT_EQ(result, 0u) << row.text;
            EXPECT_EQ(launcher.processCalls, (ProcessCalls{{row.commandLine, normalNewGroup}})) << row.text;
            EXPECT_EQ(log.lines().size(), logged) << row.text;
        } else {
            EXPECT_EQ(result, 2u) << row.text;
            EXPECT_TRUE(launcher.processCalls.empty()) << row.text;
            EXPECT_EQ(log.lines().size(), logged + 1) << row.text;
        }
    }
    EXPECT_EQ(log.lines().back(),
              "Unable to open C:\\a.exe.\\b c (shell result 2); not started as a command "
              "either: \"C:\\a.exe.\\b\" is no program file (.exe, .com, .scr, .bat or .cmd)");
}

TEST_F(LaunchTest, FailedStartsReturnTheErrorAndLogOneLine) {
    launcher.shellResult = 31;
    launcher.processResult = {false, 2};
    EXPECT_EQ(programs.shellRun(0, "C:\\a.exe -x"), 2u);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0], "Unable to open C:\\a.exe -x (shell result 31, error 2)");

    EXPECT_FALSE(programs.runProgramAction("C:\\Gone\\missing.exe|-x"));
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[1], "Unable to start C:\\Gone\\missing.exe -x (error 2)");

    EXPECT_FALSE(programs.runProgramAction("missing.exe|"));
    EXPECT_EQ(log.lines().size(), 3u);
}

// A program action without parameters whose file is gone starts nothing, even with a program planted at
// the first word of its path.
TEST_F(LaunchTest, MissingProgramWithBlanksInItsPathStartsNothing) {
    launcher.shellResult = 2;
    EXPECT_FALSE(programs.runProgramAction("%ProgramFiles%\\Old Tool\\tool.exe|"));
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x55, "C:\\Program Files\\Old Tool\\tool.exe"}}));
    EXPECT_TRUE(launcher.processCalls.empty());
    EXPECT_EQ(log.lines().size(), 1u);
}

} // namespace
} // namespace flickmark
