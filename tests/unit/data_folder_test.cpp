#include "actions/data_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {
namespace {

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

// A folder the code page cannot name is reached by its short name, or not at all: then no path is given, so
// nothing can be read from or written to another folder in its place, and the log says how to choose one.
TEST(DataFolder, ReachedByItsNameItsShortNameOrNotAtAll) {
    const struct {
        DataFolderForms forms;
        std::optional<std::string> path;
        const char* noticeStart;
    } table[] = {
        {{"C:\\Data\\", "C:\\Data\\", "C:\\Data\\"}, "C:\\Data\\", ""},
        {{"C:\\D?ta\\", std::nullopt, "C:\\DATA~1\\"},
         "C:\\DATA~1\\",
         "Data folder C:\\D?ta\\ has characters outside the system code page; using its short name "
         "C:\\DATA~1\\"},
        {{"C:\\D?ta\\", std::nullopt, "C:\\DATA~1"}, "C:\\DATA~1\\", "Data folder C:\\D?ta\\"},
        {{"C:\\D?ta\\", std::nullopt, std::nullopt}, std::nullopt, "Data folder C:\\D?ta\\"},
        {{"C:\\D?ta\\", std::nullopt, ""}, std::nullopt, "Data folder C:\\D?ta\\"},
    };
    for (const auto& row : table) {
        const ReachableDataFolder folder = reachableDataFolder(row.forms);
        EXPECT_EQ(folder.path, row.path) << row.forms.shown;
        EXPECT_TRUE(folder.notice.starts_with(row.noticeStart)) << folder.notice;
        EXPECT_EQ(folder.notice.empty(), std::string_view(row.noticeStart).empty()) << folder.notice;
        if (!folder.path) {
            EXPECT_NE(folder.notice.find("-data"), std::string::npos) << folder.notice;
        }
    }
}

} // namespace
} // namespace flickmark
