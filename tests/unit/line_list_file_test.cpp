#include "app/line_list_file.h"

#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace flickmark {
namespace {

const std::string path = kTestDataFolder + "disabled.ini";

TEST(LineListTest, EveryLineEndEndsALineAndWritingEndsEachWithCrLf) {
    using Lines = std::vector<std::string>;
    const struct {
        const char* text;
        Lines lines;
    } table[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\rb", {"a", "", "b"}}, // LF then CR: two ends
        {"x=1\r\n  spaced  \r\n", {"x=1", "  spaced  "}},
    };
    for (const auto& row : table) {
        EXPECT_EQ(splitLines(row.text), row.lines) << row.text;
        EXPECT_EQ(splitLines(joinLines(row.lines)), row.lines) << row.text;
    }
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(LineListFileTest, WrittenBackAtExitOnlyWhereNothingElseChangedTheFile) {
    const std::optional<std::string> missing;
    const struct {
        const char* what;
        std::optional<std::string> atStart;
        std::optional<std::string> atExit; // as someone else left it meanwhile
        std::optional<std::string> after;
    } table[] = {
        {"missing: created empty", missing, missing, ""},
        {"kept as it was", "a\r\nb\r\n", "a\r\nb\r\n", "a\r\nb\r\n"},
        {"line ends made CR LF", "a\nb", "a\nb", "a\r\nb\r\n"},
        {"removed meanwhile: back with its lines", "a\r\nb\r\n", missing, "a\r\nb\r\n"},
        {"edited meanwhile: the edit is kept", "a\nb", "a\nb\nc", "a\nb\nc"},
        {"created meanwhile: kept", missing, "new\n", "new\n"},
    };
    for (const auto& row : table) {
        FakeFileSystem files;
        DiagnosticLog log;
        if (row.atStart)
            files.files[path] = *row.atStart;
        LineListFile list(files, log, path);
        files.files.erase(path);
        if (row.atExit)
            files.files[path] = *row.atExit;
        const int writesBefore = files.writeCount;
        EXPECT_TRUE(list.save()) << row.what;
        EXPECT_EQ(files.files.count(path) ? std::optional(files.files[path]) : missing, row.after)
            << row.what;
        if (row.after == row.atExit) {
            EXPECT_EQ(files.writeCount, writesBefore) << row.what << ": an unchanged file was written";
        }
        EXPECT_TRUE(list.save()) << row.what;
        EXPECT_LE(files.writeCount, writesBefore + 1) << row.what << ": written twice";
    }
}

TEST(LineListFileTest, AFileThatCouldNotBeReadOrWrittenIsNeverReplaced) {
    FakeFileSystem files;
    DiagnosticLog log;
    files.files[path] = "a\nb";
    files.makeUnreadable(path);
    LineListFile unreadable(files, log, path);
    EXPECT_TRUE(unreadable.save());
    EXPECT_EQ(files.writeCount, 0);
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Unable to read " + path}));

    const std::string other = kTestDataFolder + "noright.ini";
    LineListFile refused(files, log, other);
    files.refuseWritesIn(kTestDataFolder);
    EXPECT_FALSE(refused.save());
    EXPECT_FALSE(files.fileExists(other));
    EXPECT_EQ(log.lines().back(), "Unable to write to " + other);
}

} // namespace
} // namespace flickmark
