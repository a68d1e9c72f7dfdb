#include "editors/gesture_wizard.h"
#include "editors/program_edit.h"
#include "fakes/windows_1252_code_page.h"

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

// The stored text ends the parameters at "|": a typed one is refused, one the file held already is kept
// with a note, and a "|" in the program is named first.
TEST(ProgramEdit, FieldsRefuseABarTypedIntoThem) {
    const std::string programRefused =
        "A program or file name cannot contain \"|\". Put the parameters in \"Optional Parameters\".";
    const std::string parametersRefused =
        "Parameters cannot contain \"|\": the gesture file ends them there, and the rest would be lost.";
    const std::string storedNote =
        "The program gets the parameters only up to \"|\": the gesture file ends them there.";
    const struct {
        const char* stored;
        const char* program;    // nullptr: as stored
        const char* parameters; // nullptr: as stored
        bool ok;
        const std::string& message;
    } table[] = {
        {"cmd.exe|", nullptr, "/c dir | more", false, parametersRefused},
        {"", "cmd.exe", "|", false, parametersRefused},
        {"cmd.exe|/c dir | more", nullptr, nullptr, true, storedNote},
        {"cmd.exe|/c dir | more", nullptr, "/c dir | more /s", false, parametersRefused},
        {"cmd.exe|/c dir | more", nullptr, "/c dir", true, std::string()},
        {"cmd.exe|/c dir | more", "cmd.exe|x", nullptr, false, programRefused},
        {"cmd.exe|-x", nullptr, nullptr, true, std::string()},
    };
    for (const auto& row : table) {
        ProgramEdit edit;
        edit.setAction(row.stored);
        if (row.program)
            edit.setProgram(row.program);
        if (row.parameters)
            edit.setParameters(row.parameters);
        const FieldCheck check = edit.check();
        EXPECT_EQ(check.ok, row.ok) << row.stored << " / " << edit.actionText();
        EXPECT_EQ(check.message, row.message) << row.stored << " / " << edit.actionText();
    }

    // A new action starts from nothing stored: a "|" is refused even after a stored one was shown before.
    ProgramEdit edit;
    edit.setAction("cmd.exe|/c dir | more");
    edit.clear();
    edit.setParameters("/c dir | more");
    EXPECT_FALSE(edit.check().ok);
}

// A field with a character the code page cannot hold gets a note that the file is saved as Unicode; one
// that the code page holds (a look-alike does not count) gets none.
TEST(ProgramEdit, NotesThatAFileIsSavedAsUnicodeForCharactersOutsideTheCodePage) {
    const Windows1252CodePage codePage;
    const struct {
        const char* program;
        const char* parameters;
        bool noted;
    } table[] = {
        {"C:\\Tools\\app.exe", "-x", false},
        {"C:\\Users\\Zo\xC3\xAB\\app.exe", "\xE2\x82\xAC", false},                  // ë, €
        {"C:\\Users\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\\app.exe", "", true}, // Ελένη
        {"D:\\t.exe", "\xE6\x97\xA5\xE5\xBF\x97.log", true},                        // 日志
        {"D:\\\xC4\x81.exe", "", true},                                             // a with a macron
    };
    for (const auto& row : table) {
        ProgramEdit edit;
        edit.setProgram(row.program);
        edit.setParameters(row.parameters);
        const std::string note = edit.encodingNote(codePage);
        EXPECT_EQ(note.empty(), !row.noted) << row.program << " " << row.parameters;
        if (row.noted) {
            EXPECT_NE(note.find("Unicode"), std::string::npos) << note;
        }
    }
}

TEST(ProgramEdit, WizardStaysOnTheProgramPageWhileTheParametersHoldATypedBar) {
    GestureWizard wizard;
    wizard.startNew({}, false);
    wizard.gestureEditor().click(Direction::Up);
    wizard.next();
    wizard.selectActionType(ActionType::RunProgram);
    wizard.next();
    ASSERT_EQ(wizard.page(), WizardPage::Program);
    wizard.programEditor().setProgram("cmd.exe");
    wizard.programEditor().setParameters("/c dir | more");
    EXPECT_EQ(
        wizard.next(),
        "Parameters cannot contain \"|\": the gesture file ends them there, and the rest would be lost.");
    EXPECT_EQ(wizard.page(), WizardPage::Program);
    wizard.programEditor().setParameters("/c dir");
    EXPECT_EQ(wizard.next(), std::nullopt);
    EXPECT_EQ(wizard.page(), WizardPage::Summary);
}

// Next needs a program: parameters alone would start nothing, and an empty action is no action.
TEST(ProgramEdit, NextRefusesAnEmptyProgramAndSaysWhatIsMissing) {
    const struct {
        const char* program;
        const char* parameters;
        std::optional<std::string> refusal;
    } table[] = {
        {"", "C:\\Program Files\\Tool\\tool.exe -x",
         "Parameters need a program: enter the program, document or folder that gets them."},
        {"  ", "", "Enter the program, document or folder to start, or choose one with Browse."},
        {"notepad.exe", "", std::nullopt},
    };
    for (const auto& row : table) {
        GestureWizard wizard;
        wizard.startNew({}, false, "0");
        wizard.selectActionType(ActionType::RunProgram);
        wizard.next();
        ASSERT_EQ(wizard.page(), WizardPage::Program);
        wizard.programEditor().setProgram(row.program);
        wizard.programEditor().setParameters(row.parameters);
        EXPECT_EQ(wizard.next(), row.refusal) << row.program << "|" << row.parameters;
        EXPECT_EQ(wizard.page(), row.refusal ? WizardPage::Program : WizardPage::Summary);
    }
}

} // namespace
} // namespace flickmark
