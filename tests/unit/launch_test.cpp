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
        {"notepad.exe|C:\\a.txt", "notepad.exe C:\\a.txt"},
        {"app.exe|%TEMP%", "app.exe %TEMP%"}, // parameters are passed as written
        {"app.exe|   ", "app.exe "},          // blank parameters still choose this way
        {"app.exe| -x -y|ignored", "app.exe -x -y"},
        {"|x", " x"},
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

TEST_F(LaunchTest, EmptyProgramDoesNothing) {
    for (const char* action : {"", "|", "   |", "   "})
        EXPECT_FALSE(programs.runProgramAction(action)) << action;
    EXPECT_TRUE(launcher.shellCalls.empty());
    EXPECT_TRUE(launcher.processCalls.empty());
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(LaunchTest, BracketsInAPathAreNeverReadAsKeys) {
    programs.runProgramAction("C:\\Games\\[TAB]\\a.exe|");
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x55, "C:\\Games\\[TAB]\\a.exe"}}));
}

TEST_F(LaunchTest, ShellRunTrimsAndFallsBackToACommandLineAtThirtyTwoOrBelow) {
    EXPECT_EQ(programs.shellRun(0x9, " \t C:\\docs\\a b.txt \r\n"), 0u);
    EXPECT_EQ(launcher.shellCalls, (ShellCalls{{0x9, "C:\\docs\\a b.txt"}}));
    EXPECT_EQ(programs.shellRun(0x9, " \t\r\n"), 0u);
    EXPECT_EQ(launcher.shellCalls.size(), 1u);
    EXPECT_TRUE(launcher.processCalls.empty());

    launcher.shellResult = 2; // file not found: the text is a program with arguments
    EXPECT_EQ(programs.shellRun(0, "notepad.exe C:\\a.txt"), 0u);
    EXPECT_EQ(launcher.processCalls, (ProcessCalls{{"notepad.exe C:\\a.txt", normalNewGroup}}));
    EXPECT_TRUE(log.lines().empty());

    launcher.shellResult = 32; // 32 is still a failure
    launcher.processCalls.clear();
    programs.shellRun(0, "x");
    EXPECT_EQ(launcher.processCalls.size(), 1u);
}

TEST_F(LaunchTest, FailedStartsReturnTheErrorAndLogOneLine) {
    launcher.shellResult = 31;
    launcher.processResult = {false, 2};
    EXPECT_EQ(programs.shellRun(0, "C:\\a.txt"), 2u);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0], "Unable to open C:\\a.txt (shell result 31, error 2)");

    EXPECT_FALSE(programs.runProgramAction("missing.exe|-x"));
    ASSERT_EQ(log.lines().size(), 2u);
    EXPECT_EQ(log.lines()[1], "Unable to start missing.exe -x (error 2)");

    EXPECT_FALSE(programs.runProgramAction("missing.exe|"));
    EXPECT_EQ(log.lines().size(), 3u);
}

} // namespace
} // namespace flickmark
