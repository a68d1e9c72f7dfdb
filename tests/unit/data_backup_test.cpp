#include "library/data_backup.h"

#include "fakes/fake_file_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace flickmark {
namespace {

using Strings = std::vector<std::string>;

TEST(DataBackup, EveryIniFileIsCopiedByteForByteIntoADatedFolderOfItsOwn) {
    FakeFileSystem files;
    const std::string wide("\xFF\xFE[\0"
                           "0\0]\0",
                           8);
    files.files[kTestDataFolder + "Gestures.ini"] = "[0]\r\nActionType=Keystroke\r\nAction=000043C\r\n";
    files.files[kTestDataFolder + "Gestures_vlc.exe.ini"] = wide;
    files.files[kTestDataFolder + "defaults.ini"] = "[init]\r\ncbEnableDiagonals=1\r\n";
    files.files[kTestDataFolder + "flickmark.exe"] = "MZ";
    files.files[kTestDataFolder + "Gestures.ini.~fmk0000abcd.tmp"] = "half";
    const CalendarDate date{2026, 12, 9};

    const BackupOutcome first = backUpDataFolder(files, kTestDataFolder, "D:\\Backups", date);
    EXPECT_EQ(first.failure, "");
    EXPECT_EQ(first.folder, "D:\\Backups\\Flickmark backup 2026-12-09\\");
    EXPECT_EQ(first.copied.size(), 3u);
    for (const std::string name : {"Gestures.ini", "Gestures_vlc.exe.ini", "defaults.ini"})
        EXPECT_EQ(files.files[first.folder + name], files.files[kTestDataFolder + name]) << name;
    EXPECT_FALSE(files.fileExists(first.folder + "flickmark.exe"));

    const BackupOutcome second = backUpDataFolder(files, kTestDataFolder, "D:\\Backups\\", date);
    EXPECT_EQ(second.folder, "D:\\Backups\\Flickmark backup 2026-12-09 (2)\\");
    EXPECT_EQ(files.files[second.folder + "Gestures_vlc.exe.ini"], wide);
}

TEST(DataBackup, AFolderThatRefusesWritesGetsNoBackupAndSaysSo) {
    FakeFileSystem files;
    files.files[kTestDataFolder + "Gestures.ini"] = "[0]\r\n";
    files.refuseWritesIn("E:\\");
    const BackupOutcome refused = backUpDataFolder(files, kTestDataFolder, "E:\\", {2026, 1, 2});
    EXPECT_EQ(refused.folder, "");
    EXPECT_EQ(refused.failure, "No folder for the backup could be made in E:\\.");

    // A folder that takes the new folder but not its files: the backup says it is incomplete.
    files.refuseWritesIn("F:\\Flickmark backup 2026-01-02\\");
    const BackupOutcome partial = backUpDataFolder(files, kTestDataFolder, "F:\\", {2026, 1, 2});
    EXPECT_EQ(partial.failure,
              "The backup in F:\\Flickmark backup 2026-01-02\\ is incomplete: Gestures.ini could "
              "not be written.");
}

} // namespace
} // namespace flickmark
