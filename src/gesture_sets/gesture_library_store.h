// The in-memory gesture sets and their files. Three sets are kept apart, so that no save can ever write one
// program's gestures into another program's file:
//  - the global copy: the set of "Gestures.ini" as last loaded or saved, which lookups fall back to;
//  - the lookup set: the foreground program's set, reloaded for every lookup;
//  - the shown set: the set the gestures window shows, edits and saves, with its own file name.
#pragma once

#include "base/diagnostic_log.h"
#include "gesture_sets/gesture_files.h"
#include "gesture_sets/gesture_set.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class GestureLibraryStore {
public:
    // `dataFolder` ends in a path delimiter. The references must outlive the store.
    GestureLibraryStore(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                        std::string dataFolder);

    // Loads a file into the shown set. Loading "Gestures.ini" also replaces the global copy (emptying it
    // when the file does not exist).
    const GestureSet& loadShownSet(const std::string& fileName);
    // Saves the shown set to the file it was loaded from. Saving "Gestures.ini" also replaces the global
    // copy, even when the write is refused (the in-memory set stays the one in effect).
    bool saveShownSet();
    // Shows a set held in memory (one whose save was refused) instead of loading its file. For
    // "Gestures.ini" it also replaces the global copy.
    const GestureSet& showSet(GestureSet set);
    GestureSet& shownSet() { return shown_; }
    const GestureSet& shownSet() const { return shown_; }

    // Reads a file into a set of its own; neither the shown set nor the global copy changes.
    GestureSet loadSet(const std::string& fileName) const;
    // Reads a gestures file from anywhere (a full path), as an import does.
    GestureSet readSetFile(const std::string& path) const;
    // Writes a set's lines to a file anywhere (a full path) in the set's encoding, as an export does.
    bool exportSet(const GestureSet& set, const std::string& path) const;
    FileSystem& fileSystem() const { return files_; }
    // Saves a set that is not shown to its file, as saveShownSet does.
    bool saveSet(const GestureSet& set);

    // Loads a program's file for a lookup; the shown set is not touched.
    const GestureSet& loadLookupSet(const std::string& fileName);
    const GestureSet& lookupSet() const { return lookup_; }

    const GestureSet& global() const { return global_; }

    // "Gesture*.ini" files of the data folder, for the set selector.
    std::vector<std::string> listProgramFiles() const;
    const std::string& dataFolder() const { return dataFolder_; }

private:
    void load(GestureSet& set, const std::string& fileName);

    FileSystem& files_;
    const TextCodePage& codePage_;
    DiagnosticLog& log_;
    std::string dataFolder_;
    GestureSet global_;
    GestureSet lookup_;
    std::optional<std::string> lookupText_; // the bytes lookup_ was read from
    GestureSet shown_;
};

} // namespace flickmark
