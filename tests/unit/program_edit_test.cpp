#include "editors/program_edit.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace flickmark {
namespace {

TEST(ProgramEdit, StoredTextRoundTrips) {
    const struct {
        const char* stored;
        const char* program;
        const char* parameters;
        const char* written;
    } table[] = {
        {"C:\\Tools\\app.exe|-x -y", "C:\\Tools\\app.exe", "-x -y", "C:\\Tools\\app.exe|-x -y"},
        {"C:\\Tools\\app.exe|", "C:\\Tools\\app.exe", "", "C:\\Tools\\app.exe|"},
        {"  app.exe", "app.exe", "", "app.exe|"},
        {"C:\\Program Files\\My App\\app.exe| \"a b\" | c", "C:\\Program Files\\My App\\app.exe",
         " \"a b\" | c", "C:\\Program Files\\My App\\app.exe| \"a b\" | c"},
        {"", "", "", "|"},
    };
    for (const auto& row : table) {
        ProgramEdit edit;
        edit.setAction(row.stored);
        EXPECT_EQ(edit.program(), row.program) << row.stored;
        EXPECT_EQ(edit.parameters(), row.parameters) << row.stored;
        EXPECT_EQ(edit.actionText(), row.written) << row.stored;
    }
}

TEST(ProgramEdit, RefusesTheSeparatorInTheProgramAndStartsBrowsingInSpecialFolders) {
    ProgramEdit edit;
    edit.setProgram("%WINDIR%\\notepad.exe");
    edit.setParameters("a|b");
    EXPECT_TRUE(edit.checkProgram().ok);
    edit.setProgram("notepad.exe|readme.txt");
    const FieldCheck check = edit.checkProgram();
    EXPECT_FALSE(check.ok);
    EXPECT_NE(check.message.find("\"|\""), std::string::npos);

    struct Folders final : SpecialFolders {
        std::string path(SpecialFolder folder) override {
            static const std::map<SpecialFolder, std::string> kPaths = {
                {SpecialFolder::Desktop, "C:\\Users\\me\\Desktop"},
                {SpecialFolder::StartMenu, "C:\\Users\\me\\Start Menu"},
                {SpecialFolder::Documents, "C:\\Users\\me\\Documents"},
            }; // the common Start menu cannot be found
            const auto found = kPaths.find(folder);
            return found == kPaths.end() ? "" : found->second;
        }
    } folders;
    std::vector<std::string> starts;
    for (const ProgramLocation& location : programLocations())
        starts.push_back(std::string(location.caption) + ": " + ProgramEdit::startFolder(folders, location));
    EXPECT_EQ(starts, (std::vector<std::string>{
                          "Desktop: C:\\Users\\me\\Desktop", "Start Menu: C:\\Users\\me\\Start Menu",
                          "Start Menu All Users: ", "Documents: C:\\Users\\me\\Documents"}));
    edit.chooseFile("C:\\Users\\me\\Desktop\\My Tool.lnk");
    EXPECT_EQ(edit.actionText(), "C:\\Users\\me\\Desktop\\My Tool.lnk|a|b");
}

} // namespace
} // namespace flickmark
