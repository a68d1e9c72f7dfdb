#include "actions/data_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

TEST(DataFolder, ChosenFromTheCommandLineAndAlwaysAbsoluteWithATrailingDelimiter) {
    const std::string exe = "C:\\Program Files\\Flickmark";
    const struct {
        std::vector<std::string> arguments;
        const char* currentDirectory;
        const char* expected;
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
