// The set selector of the gestures window: which gesture sets the user can choose from. The global file
// comes first; then every gesture file of the data folder; then, for each program with a window open, the
// file its gestures would go to, even before it exists.
#pragma once

#include "platform/desktop.h"
#include "platform/window_focus.h"

#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

// The picture of a gesture file in the shared image list.
inline constexpr int kGestureFileImage = 6;

struct SetSelectorItem {
    std::string fileName;
    // Gesture files that exist show the file picture; a program's set without a file shows none.
    bool hasImage = false;

    friend bool operator==(const SetSelectorItem&, const SetSelectorItem&) = default;
};

// Executable names of the programs with a visible top-level window, from the foreground window down the
// window order, each once. Left out: the program's own windows ("flickmark.exe", any case) and windows
// whose process is unknown. Nothing when no window is in front.
std::vector<std::string> openProgramNames(Desktop& desktop, WindowFocus& focus);

// Adds to `items` what is missing: "Gestures.ini" first, each of `folderFiles` (giving an item that is
// already there the file picture), then the file of each program in `programNames`. Items stay where they
// are, so the shown set keeps its place. Windows file names ignore case, and so does the comparison here: a
// file spelt differently in the folder and by the process list is one item.
void addSetSelectorItems(std::vector<SetSelectorItem>& items, const std::vector<std::string>& folderFiles,
                         const std::vector<std::string>& programNames);

// The selector's hint: "Global Gestures  [Gestures.ini]" or "Program Specific Gestures  [" + file + "]".
std::string setSelectorHint(std::string_view fileName);

} // namespace flickmark
