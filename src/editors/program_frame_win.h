// The program editor as a frame: a child dialog that the gesture wizard places on its "Run File or
// Program" page. Browse opens a menu of folders, then a file chooser starting in the chosen one. Created
// hidden at the parent's top-left corner.
#pragma once

#include "base/diagnostic_log.h"
#include "editors/program_edit.h"
#include "platform/known_folders.h"
#include "platform/nested_loop.h"
#include "platform/text_code_page.h"
#include "platform/win32/dialog_base.h"

namespace flickmark {

class ProgramFrame final : public win32::DialogBase {
public:
    ProgramFrame(HWND parent, ProgramEdit& model, KnownFolders& folders, const TextCodePage& codePage,
                 NestedLoops& nestedLoops, DiagnosticLog& log);

    using DialogBase::hwnd;
    // Model -> fields, after the owner changed the model (loaded an action text).
    void refresh();

protected:
    std::optional<INT_PTR> handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onFieldChanged(int id);
    void showCheck();
    void browse();
    void chooseFileIn(const std::string& folder);

    ProgramEdit& model_;
    KnownFolders& folders_;
    const TextCodePage& codePage_;
    NestedLoops& nestedLoops_;
    DiagnosticLog& log_;
    bool refreshing_ = false;
};

} // namespace flickmark
