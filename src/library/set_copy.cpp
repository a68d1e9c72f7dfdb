#include "library/set_copy.h"

#include "base/ascii_text.h"
#include "base/direction.h"
#include "gesture_sets/gesture_files.h"

#include <algorithm>
#include <utility>

namespace flickmark {
namespace {

constexpr std::string_view kProgramFilePrefix = "Gestures_";
constexpr std::string_view kIniSuffix = ".ini";

// The executable a program's gesture file belongs to; empty for the global file and other names.
std::string programOfFile(std::string_view file) {
    if (file.size() <= kProgramFilePrefix.size() + kIniSuffix.size() ||
        !equalsIgnoringAsciiCase(file.substr(0, kProgramFilePrefix.size()), kProgramFilePrefix) ||
        !equalsIgnoringAsciiCase(file.substr(file.size() - kIniSuffix.size()), kIniSuffix))
        return {};
    return std::string(
        file.substr(kProgramFilePrefix.size(), file.size() - kProgramFilePrefix.size() - kIniSuffix.size()));
}

void addChoice(std::vector<std::string>& choices, const std::string& program, std::string_view shownFile) {
    if (program.empty() || equalsIgnoringAsciiCase(programFileName(program), shownFile))
        return;
    const bool known = std::any_of(choices.begin(), choices.end(),
                                   [&](const std::string& c) { return equalsIgnoringAsciiCase(c, program); });
    if (!known)
        choices.push_back(program);
}

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace

std::string setOwnerName(std::string_view fileName) {
    if (isGlobalGestureFile(fileName))
        return std::string(kAllProgramsChoice);
    std::string program = programOfFile(fileName);
    return program.empty() ? std::string(fileName) : program;
}

std::vector<std::string> copyTargetChoices(const std::vector<std::string>& openPrograms,
                                           const std::vector<std::string>& folderFiles,
                                           std::string_view shownFile) {
    std::vector<std::string> choices;
    if (!isGlobalGestureFile(shownFile))
        choices.emplace_back(kAllProgramsChoice);
    for (const std::string& program : openPrograms)
        addChoice(choices, program, shownFile);
    for (const std::string& file : folderFiles)
        addChoice(choices, programOfFile(file), shownFile);
    return choices;
}

CopyTarget copyTargetOf(std::string_view typed, std::string_view shownFile) {
    std::string_view name = trimBlanks(typed);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = trimBlanks(name.substr(1, name.size() - 2));
    if (const std::size_t slash = name.find_last_of("\\/"); slash != std::string_view::npos)
        name = name.substr(slash + 1);
    CopyTarget target;
    if (name.empty()) {
        target.refusal = "Choose a program, or type the file name of one, such as chrome.exe.";
        return target;
    }
    if (equalsIgnoringAsciiCase(name, kAllProgramsChoice)) {
        target.program = std::string(kAllProgramsChoice);
        target.fileName = std::string(kGlobalGestureFileName);
    } else if (name.find_first_of(":*?\"<>|") != std::string_view::npos ||
               std::any_of(name.begin(), name.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 32; })) {
        target.refusal = "A program's file name cannot hold any of  \\ / : * ? \" < > |";
        return target;
    } else {
        target.program = std::string(name);
        if (target.program.find('.') == std::string::npos)
            target.program += ".exe";
        target.fileName = programFileName(target.program);
    }
    if (equalsIgnoringAsciiCase(target.fileName, shownFile)) {
        target.refusal = "These are the gestures shown. Choose another program.";
        target.fileName.clear();
    }
    return target;
}

namespace {

// "All programs" reads as "the global set" in a sentence.
std::string inSentence(const std::string& name) {
    return name == kAllProgramsChoice ? std::string("the global set") : name;
}

} // namespace

CopyPlanView::CopyPlanView(TransferPlan plan, const std::string& source, const std::string& target,
                           TransferScope scope)
    : plan_(std::move(plan)), source_(inSentence(source)), target_(inSentence(target)), scope_(scope) {
    for (const TransferConflict& conflict : plan_.conflicts)
        rows_.push_back({gestureDisplayName(conflict.source.gesture),
                         actionDisplayText(conflict.source.typeText, conflict.source.action),
                         actionDisplayText(conflict.target.typeText, conflict.target.action), false});
}

std::string CopyPlanView::summary() const {
    const std::size_t total = plan_.added.size() + plan_.identical.size() + plan_.conflicts.size();
    return "Copying " + counted(total, "gesture", "gestures") + " of " + source_ + " to " + target_ + ": " +
           std::to_string(plan_.added.size()) + " new, " + std::to_string(plan_.identical.size()) +
           " the same, " + std::to_string(plan_.conflicts.size()) + " different.";
}

std::string CopyPlanView::mergeCaption() const {
    return "Merge: " + target_ + " keeps its own gestures and gains the new ones";
}

std::string CopyPlanView::replaceCaption() const {
    if (scope_ == TransferScope::Chosen)
        return "Replace: the copied gestures take the place of those of " + target_;
    if (plan_.removed.empty())
        return "Replace: " + target_ + " gets exactly the copied gestures";
    return "Replace: " + target_ + " gets exactly the copied gestures, and its " +
           counted(plan_.removed.size(), "other is", "others are") + " removed";
}

void CopyPlanView::setTakeCopied(std::size_t row, bool take) {
    if (row < rows_.size())
        rows_[row].takeCopied = take;
}

std::vector<bool> CopyPlanView::takeSource() const {
    std::vector<bool> take;
    for (const Row& row : rows_)
        take.push_back(row.takeCopied);
    return take;
}

} // namespace flickmark
