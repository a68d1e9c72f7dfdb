#include "settings/program_lists.h"

namespace flickmark {

std::string_view programListFileName(ProgramListKind kind) {
    switch (kind) {
    case ProgramListKind::GesturesOff:
        return kNoRightClickListFileName;
    case ProgramListKind::FlickmarkOff:
        return kDisabledListFileName;
    case ProgramListKind::FullScreen:
        return kFullScreenListFileName;
    }
    return {};
}

std::string_view programListCaption(ProgramListKind kind) {
    switch (kind) {
    case ProgramListKind::GesturesOff:
        return "Gestures off";
    case ProgramListKind::FlickmarkOff:
        return "Flickmark off";
    case ProgramListKind::FullScreen:
        return "Gestures in full screen";
    }
    return {};
}

ProgramLists::ProgramLists(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                           const std::string& dataFolder)
    : log_(log),
      lists_{{
          {files, codePage, log, dataFolder + std::string(programListFileName(ProgramListKind::GesturesOff))},
          {files, codePage, log,
           dataFolder + std::string(programListFileName(ProgramListKind::FlickmarkOff))},
          {files, codePage, log, dataFolder + std::string(programListFileName(ProgramListKind::FullScreen))},
      }} {}

void ProgramLists::refresh() {
    for (ProgramListFile& list : lists_)
        list.refresh();
}

bool ProgramLists::allEmpty() const {
    for (const ProgramListFile& list : lists_)
        if (!list.empty())
            return false;
    return true;
}

void ProgramLists::setListed(ProgramListKind kind, const ProgramWindow& window, bool listed) {
    ProgramListFile& file = list(kind);
    const std::string name(file.fileName());
    if (window.exeName.empty())
        return;
    if (listed) {
        if (file.add(ProgramListEntry{window.exeName, {}}))
            log_.append(name + ": added " + window.exeName);
        return;
    }
    if (file.removeNaming(window) > 0)
        log_.append(name + ": took away " + window.exeName);
    if (const ProgramListEntry* still = file.match(window))
        log_.append(name + ": " + window.exeName + " is still listed by the line " + still->text());
}

void ProgramLists::saveAtExit() {
    for (ProgramListFile& list : lists_)
        list.saveAtExit();
}

} // namespace flickmark
