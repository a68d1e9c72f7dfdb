#include "app/stored_files.h"

#include "settings/settings_table.h"

#include <utility>

namespace flickmark {

StoredFiles::StoredFiles(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                         SignInStart& signIn, std::string folder, std::string signInCommand)
    : dataFolder(std::move(folder)), gestures(files, codePage, log, dataFolder),
      settings(files, codePage, log, dataFolder + std::string(kSettingsFileName)),
      programLists(files, codePage, log, dataFolder), signInStart(signIn, std::move(signInCommand)) {}

} // namespace flickmark
