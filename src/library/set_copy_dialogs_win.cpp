#include "library/set_copy_dialogs_win.h"

#include "base/access_keys.h"
#include "library/gestures_dialog_ids.h"
#include "platform/win32/controls/combo_box.h"
#include "platform/win32/controls/list_view.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/window_messages.h"
#include "platform/win32/window_placement.h"

#include <commctrl.h> // after windows.h

namespace flickmark {

std::optional<CopyTarget> CopyTargetDialog::choose(HWND owner, const std::string& prompt,
                                                   const std::vector<std::string>& choices,
                                                   const std::string& shownFile) {
    prompt_ = prompt;
    choices_ = choices;
    shownFile_ = shownFile;
    chosen_.reset();
    if (runModal(nestedLoops_, IDD_COPY_TARGET, owner) != IDOK)
        return std::nullopt;
    return chosen_;
}

std::optional<INT_PTR> CopyTargetDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInit();
        return FALSE; // the focus is set
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            onOk();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            endModal(IDCANCEL);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_COPY_TARGET_NAME &&
            (HIWORD(wParam) == CBN_EDITCHANGE || HIWORD(wParam) == CBN_SELCHANGE))
            ::SetWindowTextW(item(IDC_COPY_TARGET_REFUSAL), L"");
        return std::nullopt;
    case WM_CLOSE:
        endModal(IDCANCEL);
        return TRUE;
    default:
        return std::nullopt;
    }
}

void CopyTargetDialog::onInit() {
    ::SetWindowTextW(item(IDC_COPY_TARGET_TEXT), win32::widen(prompt_).c_str());
    const win32::ComboBox names(item(IDC_COPY_TARGET_NAME));
    for (const std::string& choice : choices_)
        names.addItem(win32::widen(choice));
    if (!choices_.empty())
        names.select(0);
    win32::centreOnOwner(hwnd(), ::GetWindow(hwnd(), GW_OWNER));
    focusControl(names.hwnd());
}

void CopyTargetDialog::onOk() {
    CopyTarget target =
        copyTargetOf(win32::narrow(win32::windowText(item(IDC_COPY_TARGET_NAME))), shownFile_);
    if (!target.refusal.empty()) {
        ::SetWindowTextW(item(IDC_COPY_TARGET_REFUSAL), win32::widen(target.refusal).c_str());
        focusControl(item(IDC_COPY_TARGET_NAME));
        return;
    }
    chosen_ = std::move(target);
    endModal(IDOK);
}

bool CopyPlanDialog::decide(HWND owner, CopyPlanView& view, const std::string& title,
                            const std::string& action) {
    view_ = &view;
    title_ = title;
    action_ = action;
    const bool copy = runModal(nestedLoops_, IDD_COPY_PLAN, owner) == IDOK;
    view_ = nullptr;
    return copy;
}

std::optional<INT_PTR> CopyPlanDialog::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInit();
        return FALSE; // the focus is set
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_COPY_PLAN_MERGE:
        case IDC_COPY_PLAN_REPLACE:
            if (HIWORD(wParam) == BN_CLICKED)
                showMode();
            return TRUE;
        case IDOK: {
            const win32::ListView list(item(IDC_COPY_PLAN_LIST));
            for (int row = 0; row < list.rowCount(); ++row)
                view_->setTakeCopied(static_cast<std::size_t>(row), list.rowChecked(row));
            endModal(IDOK);
            return TRUE;
        }
        case IDCANCEL:
            endModal(IDCANCEL);
            return TRUE;
        default:
            return std::nullopt;
        }
    case WM_CLOSE:
        endModal(IDCANCEL);
        return TRUE;
    default:
        return std::nullopt;
    }
}

void CopyPlanDialog::onInit() {
    ::SetWindowTextW(hwnd(), win32::widen(title_).c_str());
    ::SetWindowTextW(item(IDOK), win32::widen(action_).c_str());
    ::SetWindowTextW(item(IDC_COPY_PLAN_SUMMARY), win32::widen(view_->summary()).c_str());
    ::SetWindowTextW(item(IDC_COPY_PLAN_MERGE),
                     win32::widen(withAccessKey(view_->mergeCaption(), 0)).c_str());
    ::SetWindowTextW(item(IDC_COPY_PLAN_REPLACE),
                     win32::widen(withAccessKey(view_->replaceCaption(), 0)).c_str());
    ::CheckRadioButton(hwnd(), IDC_COPY_PLAN_MERGE, IDC_COPY_PLAN_REPLACE,
                       view_->mode() == TransferMode::Merge ? IDC_COPY_PLAN_MERGE : IDC_COPY_PLAN_REPLACE);

    const win32::ListView list(item(IDC_COPY_PLAN_LIST));
    list.setExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.insertColumn(0, L"Gesture", 0);
    list.insertColumn(1, L"Copied action", 0);
    list.insertColumn(2, L"Current action", 0);
    layoutColumns();
    const auto& rows = view_->rows();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto& row = rows[static_cast<std::size_t>(i)];
        list.insertRow(i, win32::widen(row.name).c_str());
        list.setCellText(i, 1, win32::widen(row.copied).c_str());
        list.setCellText(i, 2, win32::widen(row.current).c_str());
        list.setRowChecked(i, row.takeCopied);
    }
    if (rows.empty())
        ::SetWindowTextW(item(IDC_COPY_PLAN_LIST_TEXT), L"No gesture is in both sets with another action.");
    if (!rows.empty())
        list.selectRow(0);
    showMode();
    win32::centreOnOwner(hwnd(), ::GetWindow(hwnd(), GW_OWNER));
    focusControl(item(IDOK));
}

void CopyPlanDialog::showMode() {
    const bool merge = ::IsDlgButtonChecked(hwnd(), IDC_COPY_PLAN_MERGE) == BST_CHECKED;
    view_->setMode(merge ? TransferMode::Merge : TransferMode::Replace);
    const BOOL enabled = view_->rowsEnabled() && !view_->rows().empty() ? TRUE : FALSE;
    ::EnableWindow(item(IDC_COPY_PLAN_LIST), enabled);
    ::EnableWindow(item(IDC_COPY_PLAN_LIST_TEXT), enabled);
}

// The gesture column a quarter of the list, the two actions sharing the rest.
void CopyPlanDialog::layoutColumns() const {
    const win32::ListView list(item(IDC_COPY_PLAN_LIST));
    RECT client{};
    ::GetClientRect(list.hwnd(), &client);
    const int width = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
    list.setColumnWidth(0, width / 4);
    list.setColumnWidth(1, width * 3 / 8);
    list.setColumnWidth(2, width - width / 4 - width * 3 / 8);
}

} // namespace flickmark
