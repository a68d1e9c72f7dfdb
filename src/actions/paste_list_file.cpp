#include "actions/paste_list_file.h"

namespace flickmark {

PasteListFile::PasteListFile(FileSystem& files, DiagnosticLog& log, const std::string& dataFolder)
    : files_(files), log_(log), path_(dataFolder + kPasteListFileName) {
    if (auto text = files_.readFile(path_)) {
        contents_ = std::move(*text);
    } else if (files_.fileExists(path_)) {
        // Writing back what could not be read would replace the file with an empty one.
        log_.append("Unable to read " + path_);
        saved_ = true;
    }
}

PasteListFile::~PasteListFile() {
    try {
        save();
    } catch (...) {
        // Nothing sensible is left to do while shutting down.
    }
}

bool PasteListFile::save() {
    if (saved_)
        return true;
    saved_ = true;
    if (files_.fileExists(path_))
        return true;
    if (files_.writeFileAtomically(path_, contents_))
        return true;
    log_.append("Unable to write to " + path_);
    return false;
}

} // namespace flickmark
