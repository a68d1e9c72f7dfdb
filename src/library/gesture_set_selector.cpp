#include "library/gesture_set_selector.h"

#include "base/ascii_text.h"
#include "gesture_sets/gesture_files.h"

#include <algorithm>

namespace flickmark {
namespace {

constexpr std::string_view kOwnExecutable = "flickmark.exe";
// What the process list gives for a window whose process is gone, or when it cannot be read: no program.
constexpr std::string_view kUnreadableProcessList = "[error]";
// The window order can change while it is walked; a bound keeps a cycle from hanging the UI thread.
constexpr int kMaxWindowsWalked = 10000;

bool containsIgnoringCase(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return equalsIgnoringAsciiCase(n, name); });
}

SetSelectorItem* findItem(std::vector<SetSelectorItem>& items, std::string_view fileName) {
    const auto found = std::find_if(items.begin(), items.end(), [&](const SetSelectorItem& item) {
        return equalsIgnoringAsciiCase(item.fileName, fileName);
    });
    return found == items.end() ? nullptr : &*found;
}

void addFile(std::vector<SetSelectorItem>& items, std::string_view fileName) {
    if (SetSelectorItem* item = findItem(items, fileName))
        item->hasImage = true;
    else
        items.push_back({std::string(fileName), true});
}

} // namespace

std::vector<std::string> openProgramNames(Desktop& desktop, WindowFocus& focus) {
    std::vector<std::string> names;
    WindowId window = desktop.foregroundWindow();
    for (int walked = 0; window != 0 && walked < kMaxWindowsWalked; ++walked) {
        if (focus.isVisible(window)) {
            std::string name = desktop.processNameOfWindow(window);
            const bool aProgram = !name.empty() && name != kUnreadableProcessList;
            if (aProgram && !equalsIgnoringAsciiCase(name, kOwnExecutable) &&
                !containsIgnoringCase(names, name))
                names.push_back(std::move(name));
        }
        window = focus.nextWindow(window);
    }
    return names;
}

void addSetSelectorItems(std::vector<SetSelectorItem>& items, const std::vector<std::string>& folderFiles,
                         const std::vector<std::string>& programNames) {
    // The global set is always the first item.
    if (items.empty() || !isGlobalGestureFile(items.front().fileName))
        items.insert(items.begin(), {std::string(kGlobalGestureFileName), true});
    items.front().hasImage = true;
    for (const std::string& file : folderFiles)
        addFile(items, file);
    for (const std::string& program : programNames) {
        const std::string file = programFileName(program);
        if (!findItem(items, file))
            items.push_back({file, false});
    }
}

std::string setSelectorHint(std::string_view fileName) {
    if (isGlobalGestureFile(fileName))
        return "Global Gestures  [" + std::string(fileName) + "]";
    return "Program Specific Gestures  [" + std::string(fileName) + "]";
}

} // namespace flickmark
