#include "actions/date_format.h"
#include "actions/paste_list_file.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace flickmark {
namespace {

TEST(DateFormat, PatternLetters) {
    const LocalDateTime afternoon{2024, 3, 9, 14, 5, 7};
    const struct {
        const char* pattern;
        const char* text;
    } table[] = {
        {"yyyy-mm-dd", "2024-03-09"},
        {"d.m.yy", "9.3.24"},
        {"hh:nn:ss", "14:05:07"},
        {"h:n:s", "14:5:7"},
        {"YYYY/MM/DD HH:NN", "2024/03/09 14:05"},
        {"h:nn am/pm", "2:05 pm"},
        {"hh AM/PM", "02 PM"},
        {"'Week of' d", "Week of 9"},
        {"\"mm\"=mm", "mm=03"},
        {"dd.mm.yyyy, ", "09.03.2024, "},
        {"", ""},
        {"'unclosed", "unclosed"},
    };
    for (const auto& row : table)
        EXPECT_EQ(formatDateTime(row.pattern, afternoon), row.text) << row.pattern;
}

TEST(DateFormat, TwelveHourClockEdges) {
    EXPECT_EQ(formatDateTime("h am/pm", {2024, 1, 1, 0, 0, 0}), "12 am");
    EXPECT_EQ(formatDateTime("h am/pm", {2024, 1, 1, 12, 0, 0}), "12 pm");
    EXPECT_EQ(formatDateTime("h am/pm", {2024, 1, 1, 11, 0, 0}), "11 am");
    EXPECT_EQ(formatDateTime("yy", {2005, 1, 1, 0, 0, 0}), "05");
}

// Files kept in memory; writes to `readOnlyPath` are refused, reads of `unreadablePath` fail.
class MemoryFiles final : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string& path) override {
        if (path == unreadablePath || !files.count(path))
            return std::nullopt;
        return files[path];
    }
    bool fileExists(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::uint64_t> modificationStamp(const std::string&) override { return std::nullopt; }
    bool writeFileAtomically(const std::string& path, std::string_view contents) override {
        ++writes;
        if (path == readOnlyPath)
            return false;
        files[path] = std::string(contents);
        return true;
    }
    bool removeFile(const std::string& path) override { return files.erase(path) > 0; }
    FolderCreation createFolder(const std::string&) override { return FolderCreation::Refused; }
    std::vector<std::string> listFiles(const std::string&, std::string_view) override { return {}; }

    std::map<std::string, std::string> files;
    std::string readOnlyPath;
    std::string unreadablePath;
    int writes = 0;
};

TEST(PasteListFile, WritesTheFileBackByteForByte) {
    MemoryFiles files;
    DiagnosticLog log;
    const std::string contents = "first line\r\nsecond\nno newline at end \xE9";
    files.files["D:\\data\\exepaste.ini"] = contents;
    {
        PasteListFile list(files, log, "D:\\data\\");
        EXPECT_EQ(list.contents(), contents);
        files.files.clear();
    }
    EXPECT_EQ(files.files["D:\\data\\exepaste.ini"], contents);
    EXPECT_EQ(files.writes, 1);
    EXPECT_TRUE(log.lines().empty());
}

TEST(PasteListFile, MissingFileBecomesAnEmptyOne) {
    MemoryFiles files;
    DiagnosticLog log;
    { PasteListFile list(files, log, ""); }
    ASSERT_TRUE(files.files.count("exepaste.ini"));
    EXPECT_EQ(files.files["exepaste.ini"], "");
}

TEST(PasteListFile, AnEditMadeWhileRunningIsNeverOverwrittenAndAMissingFileIsCreated) {
    const std::optional<std::string> missing;
    const struct {
        const char* name;
        std::optional<std::string> atStart;
        std::optional<std::string> atExit; // what is on disk when the program ends
        std::string expected;
        int writes;
    } table[] = {
        {"unchanged", "a\r\nb\r\n", "a\r\nb\r\n", "a\r\nb\r\n", 0},
        {"edited meanwhile", "a\r\nb\r\n", "edited\r\n", "edited\r\n", 0},
        {"emptied meanwhile", "a\r\n", "", "", 0},
        {"created meanwhile", missing, "new\r\n", "new\r\n", 0},
        {"deleted meanwhile", "a\r\n", missing, "a\r\n", 1},
        {"never there", missing, missing, "", 1},
    };
    for (const auto& row : table) {
        MemoryFiles files;
        DiagnosticLog log;
        if (row.atStart)
            files.files["exepaste.ini"] = *row.atStart;
        {
            PasteListFile list(files, log, "");
            files.files.erase("exepaste.ini");
            if (row.atExit)
                files.files["exepaste.ini"] = *row.atExit;
        }
        EXPECT_EQ(files.files["exepaste.ini"], row.expected) << row.name;
        EXPECT_EQ(files.writes, row.writes) << row.name;
        EXPECT_TRUE(log.lines().empty()) << row.name;
    }
}

TEST(PasteListFile, RefusedWriteIsLoggedOnce) {
    MemoryFiles files;
    DiagnosticLog log;
    files.readOnlyPath = "R:\\exepaste.ini";
    {
        PasteListFile list(files, log, "R:\\");
        EXPECT_FALSE(list.save());
        EXPECT_TRUE(list.save()); // saved once already: the destructor writes nothing more
    }
    EXPECT_EQ(files.writes, 1);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Unable to write to R:\\exepaste.ini"});
}

TEST(PasteListFile, UnreadableFileIsNeverOverwritten) {
    MemoryFiles files;
    DiagnosticLog log;
    files.files["exepaste.ini"] = "precious";
    files.unreadablePath = "exepaste.ini";
    { PasteListFile list(files, log, ""); }
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(files.files["exepaste.ini"], "precious");
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Unable to read exepaste.ini"});
}

} // namespace
} // namespace flickmark
