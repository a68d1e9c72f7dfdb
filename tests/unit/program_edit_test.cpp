#include "editors/program_edit.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace flickmark
