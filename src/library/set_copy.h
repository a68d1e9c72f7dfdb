// What the gestures window's copy dialogs show and decide, without the dialogs: where a set or a few
// gestures can go, the name the user typed for it, and the choice between Merge and Replace with the
// gestures both sets have.
#pragma once

#include "gesture_sets/set_transfer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace flickmark {

// The choice that stands for "Gestures.ini".
inline constexpr std::string_view kAllProgramsChoice = "All programs";

// Whose gestures a file holds, as the copy dialogs name them: "All programs" for "Gestures.ini", the
// executable for "Gestures_<exe>.ini", else the file's name.
std::string setOwnerName(std::string_view fileName);

// The target list of "Copy to": "All programs" (unless the global set is the one shown), then the programs
// with a window open, then those with a gesture file of the data folder, each once whatever its case, the
// shown set's program left out.
std::vector<std::string> copyTargetChoices(const std::vector<std::string>& openPrograms,
                                           const std::vector<std::string>& folderFiles,
                                           std::string_view shownFile);

// The gesture file of what the user chose or typed: "All programs" is "Gestures.ini"; a program is its
// executable's file name, taken from a path and without quotes, ".exe" added when it has no extension.
struct CopyTarget {
    std::string fileName; // empty when refused
    std::string program;  // the executable, or "All programs"
    std::string refusal;  // why not, for the user
};
CopyTarget copyTargetOf(std::string_view typed, std::string_view shownFile);

// The plan dialog: what the copy does, the two ways, and the gestures both sets have (ticked: the copied
// action wins).
class CopyPlanView {
public:
    CopyPlanView(TransferPlan plan, const std::string& source, const std::string& target,
                 TransferScope scope);

    // One line on what the copy brings, and what the target has.
    std::string summary() const;
    std::string mergeCaption() const;
    std::string replaceCaption() const;

    struct Row {
        std::string name;    // "UP+RIGHT"
        std::string copied;  // the copied action's display text
        std::string current; // the target's
        bool takeCopied = false;

        friend bool operator==(const Row&, const Row&) = default;
    };
    const std::vector<Row>& rows() const { return rows_; }
    void setTakeCopied(std::size_t row, bool take);

    TransferMode mode() const { return mode_; }
    void setMode(TransferMode mode) { mode_ = mode; }
    // The ticks are for Merge; Replace takes every copied action.
    bool rowsEnabled() const { return mode_ == TransferMode::Merge; }

    const TransferPlan& plan() const { return plan_; }
    std::vector<bool> takeSource() const;

private:
    TransferPlan plan_;
    std::string source_;
    std::string target_;
    TransferScope scope_;
    TransferMode mode_ = TransferMode::Merge;
    std::vector<Row> rows_;
};

} // namespace flickmark
