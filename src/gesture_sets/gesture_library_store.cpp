#include "gesture_sets/gesture_library_store.h"

#include <optional>
#include <utility>

namespace flickmark {

GestureLibraryStore::GestureLibraryStore(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                                         std::string dataFolder)
    : files_(files), codePage_(codePage), log_(log), dataFolder_(std::move(dataFolder)) {
    global_.fileName = kGlobalGestureFileName;
}

void GestureLibraryStore::load(GestureSet& set, const std::string& fileName) {
    set = loadGestureSet(files_, codePage_, log_, dataFolder_, fileName);
    if (isGlobalGestureFile(fileName))
        global_.copyContentFrom(set);
}

const GestureSet& GestureLibraryStore::loadShownSet(const std::string& fileName) {
    load(shown_, fileName);
    return shown_;
}

const GestureSet& GestureLibraryStore::showSet(GestureSet set) {
    shown_ = std::move(set);
    if (isGlobalGestureFile(shown_.fileName))
        global_.copyContentFrom(shown_);
    return shown_;
}

GestureSet GestureLibraryStore::loadSet(const std::string& fileName) const {
    return loadGestureSet(files_, codePage_, log_, dataFolder_, fileName);
}

GestureSet GestureLibraryStore::readSetFile(const std::string& path) const {
    return loadGestureSet(files_, codePage_, log_, {}, path);
}

bool GestureLibraryStore::exportSet(const GestureSet& set, const std::string& path) const {
    GestureSet copy = set;
    copy.fileName = path;
    copy.fileUnreadable = false;
    return saveGestureSet(files_, codePage_, log_, {}, copy);
}

bool GestureLibraryStore::saveShownSet() {
    return saveSet(shown_);
}

bool GestureLibraryStore::saveSet(const GestureSet& set) {
    const bool saved = saveGestureSet(files_, codePage_, log_, dataFolder_, set);
    if (isGlobalGestureFile(set.fileName))
        global_.copyContentFrom(set);
    return saved;
}

const GestureSet& GestureLibraryStore::loadLookupSet(const std::string& fileName) {
    // Every lookup reads the program's file, so a file edited by hand takes effect at once; parsing it again
    // is skipped while its bytes are those of the set already held.
    std::optional<std::string> text = files_.readFile(dataFolder_ + fileName);
    if (text && lookupText_ && lookup_.fileName == fileName && *text == *lookupText_)
        return lookup_;
    load(lookup_, fileName);
    lookupText_ = std::move(text);
    return lookup_;
}

std::vector<std::string> GestureLibraryStore::listProgramFiles() const {
    return flickmark::listProgramFiles(files_, dataFolder_);
}

} // namespace flickmark
