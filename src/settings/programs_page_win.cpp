#include "settings/programs_page_win.h"

#include "platform/win32/controls/button.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/list_view.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_messages.h"
#include "settings/configuration_dialog_ids.h"

#include <commctrl.h>

namespace flickmark {
namespace {

// The program column's share of the table, in dialog units of the page; the other column fills the rest.
constexpr int kProgramColumnDialogUnits = 200;
constexpr int kNarrowestListColumn = 60;

// Keeps the buttons as they are while the rows are made again; the caller updates them once after.
class FillScope {
public:
    explicit FillScope(bool& filling) : filling_(filling) { filling_ = true; }
    ~FillScope() { filling_ = false; }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

private:
    bool& filling_;
};

} // namespace

ProgramsPageControls::ProgramsPageControls(HWND page, ProgramLists& lists, RunningPrograms* running,
                                           DiagnosticLog& log)
    : page_(page), lists_(lists), running_(running), log_(log) {
    const win32::ListView table(::GetDlgItem(page_, IDC_PROGRAM_LIST));
    table.setExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    table.insertColumn(0, L"Program", 0);
    table.insertColumn(1, L"What", 0);
    sizeColumns();
    const win32::ComboBox choices(::GetDlgItem(page_, IDC_ADD_PROGRAM_LIST));
    for (const ProgramListKind kind : kProgramListKinds)
        choices.addItem(win32::widen(programListCaption(kind)), static_cast<LPARAM>(kind));
    choices.select(0);
    fillRows();
    updateButtons();
}

void ProgramsPageControls::sizeColumns() {
    RECT program{0, 0, kProgramColumnDialogUnits, 0};
    ::MapDialogRect(page_, &program);
    const win32::ListView table(::GetDlgItem(page_, IDC_PROGRAM_LIST));
    table.setColumnWidth(0, program.right);
    table.fillWithLastColumn(kNarrowestListColumn);
}

void ProgramsPageControls::pageShown() {
    lists_.refresh();
    fillRows();
    updateButtons();
    fillRunningPrograms();
}

void ProgramsPageControls::fillRows() {
    const FillScope filling(filling_);
    rows_ = programRows(lists_);
    const win32::ListView table(::GetDlgItem(page_, IDC_PROGRAM_LIST));
    table.setRedraw(false);
    table.removeAllRows();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int row = table.insertRow(static_cast<int>(i), win32::widen(rows_[i].programText()).c_str());
        if (row < 0)
            continue;
        const std::wstring what = win32::widen(rows_[i].listText());
        LVITEMW cell{};
        cell.iSubItem = 1;
        cell.pszText = const_cast<wchar_t*>(what.c_str());
        ::SendMessageW(table.hwnd(), LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&cell));
    }
    table.setRedraw(true);
    table.fillWithLastColumn(kNarrowestListColumn);
}

void ProgramsPageControls::fillRunningPrograms() {
    if (!running_)
        return;
    const HWND field = ::GetDlgItem(page_, IDC_ADD_PROGRAM_NAME);
    // What the user typed stays in the field.
    const std::wstring typed = win32::windowText(field);
    const win32::ComboBox names(field);
    names.clear();
    for (const std::string& name : sortedProgramNames(running_->programsWithWindows()))
        names.addItem(win32::widen(name));
    ::SetWindowTextW(field, typed.c_str());
}

bool ProgramsPageControls::command(int id, int code) {
    switch (id) {
    case IDC_ADD_PROGRAM:
        if (code == BN_CLICKED)
            add();
        return true;
    case IDC_REMOVE_PROGRAM:
        if (code == BN_CLICKED)
            removeSelected();
        return true;
    case IDC_ADD_PROGRAM_NAME:
        if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE)
            updateButtons();
        return true;
    default:
        return false;
    }
}

bool ProgramsPageControls::notify(const NMHDR& header) {
    if (header.idFrom != IDC_PROGRAM_LIST)
        return false;
    if (header.code == LVN_ITEMCHANGED)
        updateButtons();
    else if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE)
        removeSelected();
    return true;
}

bool ProgramsPageControls::enterPressed() {
    const HWND focus = ::GetFocus();
    const HWND field = ::GetDlgItem(page_, IDC_ADD_PROGRAM_NAME);
    if (!focus || (focus != field && !::IsChild(field, focus)))
        return false;
    add();
    return true;
}

void ProgramsPageControls::add() {
    const HWND field = ::GetDlgItem(page_, IDC_ADD_PROGRAM_NAME);
    const win32::ComboBox names(field);
    // The text of a chosen item is the field's text once the selection has been taken over.
    const std::string typed = win32::narrow(win32::windowText(field));
    const win32::ComboBox choices(::GetDlgItem(page_, IDC_ADD_PROGRAM_LIST));
    const int chosen = choices.selectedIndex();
    const auto list = static_cast<ProgramListKind>(chosen >= 0 ? choices.value(chosen) : 0);
    lists_.refresh();
    const AddProgramResult result = addProgram(lists_, list, typed);
    say(addProgramMessage(result, typed, list));
    if (result == AddProgramResult::Added || result == AddProgramResult::NotSaved) {
        log_.append("Programs page: added " + typed + " to " + std::string(programListFileName(list)));
        ::SetWindowTextW(field, L"");
        fillRows();
        const win32::ListView table(::GetDlgItem(page_, IDC_PROGRAM_LIST));
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i].list == list && programListEntryFromTyped(typed) == rows_[i].entry)
                table.selectRow(static_cast<int>(i));
    }
    names.select(-1);
    updateButtons();
}

void ProgramsPageControls::removeSelected() {
    const win32::ListView table(::GetDlgItem(page_, IDC_PROGRAM_LIST));
    const int selected = table.selectedRow();
    if (selected < 0 || static_cast<std::size_t>(selected) >= rows_.size())
        return;
    const ProgramRow row = rows_[static_cast<std::size_t>(selected)];
    const std::string file(programListFileName(row.list));
    const bool saved = removeProgram(lists_, row);
    log_.append("Programs page: took " + row.programText() + " off " + file);
    say(saved ? "Removed " + row.programText() + " (" + std::string(row.listText()) + ")."
              : "Removed " + row.programText() + " until Flickmark ends: " + file + " could not be written.");
    fillRows();
    if (!rows_.empty())
        table.selectRow(std::min(selected, static_cast<int>(rows_.size()) - 1));
    updateButtons();
    // The button may have been disabled under the focus while the rows were made again; the keys go on in
    // the list (or to the program's field when the list is empty).
    focus(rows_.empty() ? IDC_ADD_PROGRAM_NAME : IDC_PROGRAM_LIST);
}

void ProgramsPageControls::focus(int id) {
    ::SendMessageW(::GetAncestor(page_, GA_ROOT), WM_NEXTDLGCTL,
                   reinterpret_cast<WPARAM>(::GetDlgItem(page_, id)), TRUE);
}

void ProgramsPageControls::updateButtons() {
    if (filling_)
        return;
    const win32::ListView table(::GetDlgItem(page_, IDC_PROGRAM_LIST));
    win32::Button(::GetDlgItem(page_, IDC_REMOVE_PROGRAM)).enable(table.selectedRow() >= 0);
}

void ProgramsPageControls::say(const std::string& text) {
    ::SetWindowTextW(::GetDlgItem(page_, IDC_PROGRAMS_STATUS), win32::widen(text).c_str());
}

} // namespace flickmark
