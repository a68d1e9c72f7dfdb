#include "actions/data_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

// A copy at a drive's root keeps its files beside itself whatever folder it was started from: "E:" alone
// would be the current folder of drive E.
TEST(DataFolder, TheExecutablesFolderAtADriveRootIsTheRoot) {
    const struct {
        const char* exe;
        const char* folder;
        const char* dataFolder; // started from C:\Windows\System32
    } table[] = {
        {"E:\\flickmark.exe", "E:\\", "E:\\"},
        {"C:\\flickmark.exe", "C:\\", "C:\\"},
        {"C:\\Tools\\Flickmark\\flickmark.exe", "C:\\Tools\\Flickmark", "C:\\Tools\\Flickmark\\"},
        {"\\\\server\\share\\flickmark.exe", "\\\\server\\share", "\\\\server\\share\\"},
        {"flickmark.exe", "", "C:\\Windows\\System32\\"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(executableFolder(row.exe), row.folder) << row.exe;
        EXPECT_EQ(dataFolderFromCommandLine(executableFolder(row.exe), {}, "C:\\Windows\\System32"),
                  row.dataFolder)
            << row.exe;
    }
}

TEST(DataFolder, ChosenFromTheCommandLineAndAlwaysAbsoluteWithATrailingDelimiter) {
    const std::string exe = "C:\\Program Files\\Flickmark";
    const std::string utf8Names = "\xCE\x94\xCE\xB5\xCE\xB4\xCE\xBF\xCE\xBC\xCE\xAD\xCE\xBD\xCE\xB1\\\xE6\x95"
                                  "\xB0\xE6\x8D\xAE"; // Δεδομένα\数据
    const struct {
        std::vector<std::string> arguments;
        std::string currentDirectory;
        std::string expected;
    } table[] = {
        {{}, "C:\\work", "C:\\Program Files\\Flickmark\\"},
        {{"-data"}, "C:\\work", "C:\\Program Files\\Flickmark\\"}, // no folder follows
        {{"-data", ""}, "C:\\work", "C:\\Program Files\\Flickmark\\"},
        {{"-data", "D:\\portable"}, "C:\\work", "D:\\portable\\"},
        {{"-DATA", "D:\\portable\\"}, "C:\\work", "D:\\portable\\"},
        {{"other", "-Data", "D:/a/b/"}, "C:\\work", "D:\\a\\b\\"},
        {{"-data", "a", "-data", "b"}, "C:\\work", "C:\\work\\b\\"}, // the last one counts
        {{"-data", "sub"}, "C:\\work", "C:\\work\\sub\\"},
        {{"-data", "."}, "C:\\work\\", "C:\\work\\"},
        {{"-data", "..\\x\\.\\y"}, "C:\\work\\a", "C:\\work\\x\\y\\"},
        {{"-data", "..\\..\\.."}, "C:\\work", "C:\\"},
        {{"-data", "\\root"}, "E:\\work", "E:\\root\\"},     // the current drive's root
        {{"-data", "c:rel"}, "C:\\work", "C:\\work\\rel\\"}, // drive-relative, same drive
        {{"-data", "D:rel"}, "C:\\work", "D:\\rel\\"},
        {{"-data", "\\\\server\\share\\dir\\..\\.."}, "C:\\work", "\\\\server\\share\\"},
        {{"-data", "..\\" + utf8Names},
         "C:\\work\\a",
         "C:\\work\\" + utf8Names + "\\"}, // bytes kept as they are
    };
    for (const auto& row : table)
        EXPECT_EQ(dataFolderFromCommandLine(exe, row.arguments, row.currentDirectory), row.expected)
            << (row.arguments.empty() ? "" : row.arguments.back());

    const std::vector<std::string> none;
    EXPECT_EQ(dataFolderFromCommandLine("C:\\Tools\\", none, "C:\\work"), "C:\\Tools\\");
    EXPECT_EQ(dataFolderFromCommandLine("", none, "C:\\work"), "C:\\work\\");
}

} // namespace
} // namespace flickmark
