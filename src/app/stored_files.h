// The second module: the user's files of the data folder as the program holds them. The gesture sets, the
// settings (pushed to their consumers by the gesture runtime, which owns them), the program lists and the
// sign-in choice.
#pragma once

#include "base/diagnostic_log.h"
#include "gesture_sets/gesture_library_store.h"
#include "platform/file_system.h"
#include "platform/sign_in_start.h"
#include "platform/text_code_page.h"
#include "settings/program_lists.h"
#include "settings/settings_store.h"
#include "settings/sign_in_start_choice.h"

#include <string>

namespace flickmark {

struct StoredFiles {
    // `dataFolder` ends in a path delimiter; `signInCommand` starts this copy at sign-in. The references must
    // outlive the files.
    StoredFiles(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log, SignInStart& signIn,
                std::string dataFolder, std::string signInCommand);
    StoredFiles(const StoredFiles&) = delete;
    StoredFiles& operator=(const StoredFiles&) = delete;

    // At exit: the program lists are written where they must be (see ProgramLists::saveAtExit).
    void saveAtExit() { programLists.saveAtExit(); }

    const std::string dataFolder;
    GestureLibraryStore gestures;
    SettingsStore settings;
    ProgramLists programLists;
    SignInStartChoice signInStart;
};

} // namespace flickmark
