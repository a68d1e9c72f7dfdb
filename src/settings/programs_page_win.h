// The Programs page's controls: the table of listed programs, the Remove button, and the row that adds a
// program (a name typed or chosen from the running programs, and the list it goes on). Moves values
// between the controls and the page's model (programs_page.h); every change is written at once.
#pragma once

#include "base/diagnostic_log.h"
#include "platform/running_programs.h"
#include "settings/programs_page.h"

#include <windows.h>

#include <vector>

namespace flickmark {

class ProgramsPageControls {
public:
    // `page` is the page's dialog. The references must outlive this object; `running` may be null.
    ProgramsPageControls(HWND page, ProgramLists& lists, RunningPrograms* running, DiagnosticLog& log);

    // The page is shown: the lists are read again where their files changed, and the running programs
    // offered anew.
    void pageShown();
    // A WM_COMMAND of one of the page's controls; returns whether it was one of this page's.
    bool command(int id, int code);
    // A WM_NOTIFY of the page; returns whether it was one of this page's.
    bool notify(const NMHDR& header);
    // Enter was pressed: adds the typed program when the focus is in its field. Returns whether it did.
    bool enterPressed();
    // The window's scaling changed: the columns follow.
    void sizeColumns();

private:
    void fillRows();
    void fillRunningPrograms();
    void add();
    void removeSelected();
    void updateButtons();
    void say(const std::string& text);
    void focus(int id);

    HWND page_;
    ProgramLists& lists_;
    RunningPrograms* running_;
    DiagnosticLog& log_;
    std::vector<ProgramRow> rows_;
    bool filling_ = false;
};

} // namespace flickmark
