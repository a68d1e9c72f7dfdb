// "Back up all gestures...": every gesture and settings file of the data folder (its .ini files) copied,
// byte for byte, into a new folder named with the date, inside a folder the user picked.
#pragma once

#include "platform/file_system.h"

#include <string>
#include <vector>

namespace flickmark {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "Flickmark backup 2026-12-10"; from the second attempt on " (2)", " (3)" and so on.
std::string backupFolderName(CalendarDate date, int attempt);

struct BackupOutcome {
    std::string folder;              // the backup's folder, delimiter included; empty when none was made
    std::vector<std::string> copied; // file names, in the data folder's order
    std::string failure;             // for the user; empty when every file was copied
};

// Makes the dated folder in `destination` (a second one of the day gets " (2)") and copies every .ini file
// of `dataFolder` (which ends in a delimiter) into it.
BackupOutcome backUpDataFolder(FileSystem& files, const std::string& dataFolder, std::string destination,
                               CalendarDate date);

} // namespace flickmark
