#include "library/data_backup.h"

namespace flickmark {
namespace {

constexpr int kMostAttempts = 99;

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string backupFolderName(CalendarDate date, int attempt) {
    std::string name = "Flickmark backup " + std::to_string(date.year) + "-" + twoDigits(date.month) + "-" +
                       twoDigits(date.day);
    if (attempt > 1)
        name += " (" + std::to_string(attempt) + ")";
    return name;
}

BackupOutcome backUpDataFolder(FileSystem& files, const std::string& dataFolder, std::string destination,
                               CalendarDate date) {
    if (!destination.empty() && destination.back() != '\\' && destination.back() != '/')
        destination += '\\';
    BackupOutcome outcome;
    for (int attempt = 1; attempt <= kMostAttempts && outcome.folder.empty(); ++attempt) {
        const std::string folder = destination + backupFolderName(date, attempt);
        const FileSystem::FolderCreation made = files.createFolder(folder);
        if (made == FileSystem::FolderCreation::Created)
            outcome.folder = folder + '\\';
        else if (made == FileSystem::FolderCreation::Refused)
            break;
    }
    if (outcome.folder.empty()) {
        outcome.failure = "No folder for the backup could be made in " + destination + ".";
        return outcome;
    }
    for (const std::string& name : files.listFiles(dataFolder, "*.ini")) {
        const std::optional<std::string> bytes = files.readFile(dataFolder + name);
        if (!bytes || !files.writeFileAtomically(outcome.folder + name, *bytes)) {
            outcome.failure = "The backup in " + outcome.folder + " is incomplete: " + name +
                              " could not be " + (bytes ? "written." : "read.");
            return outcome;
        }
        outcome.copied.push_back(name);
    }
    return outcome;
}

} // namespace flickmark
