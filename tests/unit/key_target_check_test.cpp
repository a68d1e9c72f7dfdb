#include "actions/key_target_check.h"

#include "fakes/fake_key_target.h"
#include "fakes/fake_window_stack.h"

#include <gtest/gtest.h>

namespace flickmark {
namespace {

// Keys for a program run as administrator are not sent: every time one log line, once per program in a
// session a notice, whatever the case of its name.
TEST(KeyTargetCheck, ProgramsRunAsAdministratorGetNoKeysAndOneNoticeEach) {
    FakeWindowStack windows;
    windows.windows = {{1, "notepad.exe"}, {2, "regedit.exe"}, {3, "REGEDIT.EXE"}, {4, "mmc.exe"}, {5, ""},
                       {6, "[error]"}};
    FakeProcessIntegrity integrity;
    integrity.elevated = {2, 3, 4, 5, 6};
    RecordingTrayNotice notices;
    DiagnosticLog log;
    KeyTargetCheck check{KeyTargetPorts{integrity, windows, notices, log}};

    const struct {
        WindowId window;
        bool reach;
        const char* noticeTitle; // nullptr: no new notice
    } table[] = {
        {1, true, nullptr},
        {0, true, nullptr}, // no window in front: nothing to tell
        {2, false, "Keys not sent to regedit.exe"},
        {2, false, nullptr},
        {3, false, nullptr},
        {4, false, "Keys not sent to mmc.exe"},
        {5, false, "Keys not sent to the program in front"},
        {6, false, nullptr},
        {1, true, nullptr},
    };
    int keys = 0; // a new text each time: the log counts a repeated line instead of adding it
    for (const auto& row : table) {
        const std::size_t logged = log.lines().size();
        const std::size_t noticed = notices.shown.size();
        EXPECT_EQ(check.keysReach(row.window, "F" + std::to_string(++keys)), row.reach) << row.window;
        EXPECT_EQ(log.lines().size(), logged + (row.reach ? 0 : 1)) << row.window;
        if (row.noticeTitle) {
            ASSERT_EQ(notices.shown.size(), noticed + 1) << row.window;
            EXPECT_EQ(notices.shown.back().title, row.noticeTitle);
        } else {
            EXPECT_EQ(notices.shown.size(), noticed) << row.window;
        }
    }
    EXPECT_EQ(log.lines()[0], "Keystrokes F3 not sent: regedit.exe runs as administrator, and Windows passes "
                              "it no keys from Flickmark unless Flickmark runs as administrator too");
    EXPECT_EQ(
        notices.shown[0].text,
        "regedit.exe runs as administrator. To send keys there, Flickmark must run as administrator too.");
    EXPECT_EQ(notices.shown[2].text,
              "The program in front runs as administrator. To send keys there, Flickmark "
              "must run as administrator too.");
}

} // namespace
} // namespace flickmark
