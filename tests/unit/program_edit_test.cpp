#include "editors/program_edit.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

TEST(ProgramEdit, StoredTextIsKeptUntilAFieldChanges) {
    const struct {
        const char* stored;
        const char* program;
        const char* parameters;
        const char* withParameterX; // "-x" typed into the parameters
    } table[] = {
        {"C:\\Tools\\app.exe|-x -y", "C:\\Tools\\app.exe", "-x -y", "C:\\Tools\\app.exe|-x"},
        {"C:\\Tools\\app.exe|", "C:\\Tools\\app.exe", "", "C:\\Tools\\app.exe|-x"},
        {"notepad.exe", "notepad.exe", "", "notepad.exe|-x"},
        {"  app.exe", "app.exe", "", "app.exe|-x"},
        {"C:\\Program Files\\My App\\app.exe| \"a b\" | c", "C:\\Program Files\\My App\\app.exe",
         " \"a b\" | c", "C:\\Program Files\\My App\\app.exe|-x"},
        {"", "", "", "|-x"},
    };
    for (const auto& row : table) {
        ProgramEdit edit;
        edit.setAction(row.stored);
        EXPECT_EQ(edit.program(), row.program) << row.stored;
        EXPECT_EQ(edit.parameters(), row.parameters) << row.stored;
        EXPECT_EQ(edit.actionText(), row.stored) << row.stored;
        // The fields set again to what they hold (as a window does) still keep it.
        edit.setProgram(row.program);
        edit.setParameters(row.parameters);
        EXPECT_EQ(edit.actionText(), row.stored) << row.stored;
        edit.setParameters("-x");
        EXPECT_EQ(edit.actionText(), row.withParameterX) << row.stored;
        edit.setParameters(row.parameters);
        EXPECT_EQ(edit.actionText(), row.stored) << row.stored;
        edit.clear();
        EXPECT_EQ(edit.actionText(), "|") << row.stored;
    }
}

} // namespace
} // namespace flickmark
