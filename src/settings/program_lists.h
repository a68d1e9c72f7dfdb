// The three program lists of the data folder and what each one means:
//  - "noright.ini": in a listed program a right press is never a gesture; the program has its right button
//    as if Flickmark were not running (the scratchpad still works).
//  - "disabled.ini": while a listed program is in front, Flickmark is quiet altogether (no gestures, and the
//    scratchpad is hidden).
//  - "fullscreen.ini": listed programs get gestures also while they fill the screen.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/file_system.h"
#include "platform/text_code_page.h"
#include "settings/program_list_file.h"

#include <array>
#include <string>
#include <string_view>

namespace flickmark {

enum class ProgramListKind { GesturesOff, FlickmarkOff, FullScreen };

inline constexpr std::array<ProgramListKind, 3> kProgramListKinds = {
    ProgramListKind::GesturesOff, ProgramListKind::FlickmarkOff, ProgramListKind::FullScreen};

inline constexpr std::string_view kNoRightClickListFileName = "noright.ini";
inline constexpr std::string_view kDisabledListFileName = "disabled.ini";
inline constexpr std::string_view kFullScreenListFileName = "fullscreen.ini";

std::string_view programListFileName(ProgramListKind kind);
// What a listed program gets, as the Programs page names it: "Gestures off", "Flickmark off",
// "Gestures in full screen".
std::string_view programListCaption(ProgramListKind kind);

class ProgramLists {
public:
    // `dataFolder` ends in a path delimiter. Reads the three files now.
    ProgramLists(FileSystem& files, const TextCodePage& codePage, DiagnosticLog& log,
                 const std::string& dataFolder);

    ProgramListFile& list(ProgramListKind kind) { return lists_[index(kind)]; }
    const ProgramListFile& list(ProgramListKind kind) const { return lists_[index(kind)]; }

    // Reads again the files changed on disk since they were last read.
    void refresh();
    bool allEmpty() const;

    // Puts a program on a list (its plain name) or takes it off (every entry naming it plainly). Logs what
    // changed, and when an entry with a pattern or a class still matches after the program was taken off.
    void setListed(ProgramListKind kind, const ProgramWindow& window, bool listed);

    // At exit: creates missing files empty and writes changes that were refused before.
    void saveAtExit();

private:
    static std::size_t index(ProgramListKind kind) { return static_cast<std::size_t>(kind); }

    DiagnosticLog& log_;
    std::array<ProgramListFile, 3> lists_;
};

} // namespace flickmark
