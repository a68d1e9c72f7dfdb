// The two dialogs of "Copy set to..." and "Copy to...": where the gestures go ("Copy Gestures" with a
// program list the user may type into), then, when that set has gestures, Merge or Replace with the
// gestures both sets have.
#pragma once

#include "library/set_copy.h"
#include "platform/nested_loop.h"
#include "platform/win32/dialog_base.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace flickmark {

class CopyTargetDialog final : private win32::DialogBase {
public:
    explicit CopyTargetDialog(NestedLoops& nestedLoops) : nestedLoops_(nestedLoops) {}

    // Runs the dialog over `owner`: `prompt` above the list of `choices` (the first one chosen). OK takes
    // what the field holds once it names a set other than `shownFile`; nothing for Cancel.
    std::optional<CopyTarget> choose(HWND owner, const std::string& prompt,
                                     const std::vector<std::string>& choices, const std::string& shownFile);

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onInit();
    void onOk();

    NestedLoops& nestedLoops_;
    std::string prompt_;
    std::vector<std::string> choices_;
    std::string shownFile_;
    std::optional<CopyTarget> chosen_;
};

class CopyPlanDialog final : private win32::DialogBase {
public:
    explicit CopyPlanDialog(NestedLoops& nestedLoops) : nestedLoops_(nestedLoops) {}

    // Runs the dialog over `owner` with `title` ("Copy Gestures", "Import Gestures"); true when its OK button
    // (`action`: "Copy", "Import") was clicked, `view` then holding the choice.
    bool decide(HWND owner, CopyPlanView& view, const std::string& title, const std::string& action);

private:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onInit();
    void showMode();
    void layoutColumns() const;

    NestedLoops& nestedLoops_;
    CopyPlanView* view_ = nullptr; // while the dialog runs
    std::string title_;
    std::string action_;
};

} // namespace flickmark
