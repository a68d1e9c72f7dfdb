#include "editors/keystroke_list_frame_win.h"

#include "editors/action_editor_ids.h"
#include "editors/keystroke_controls_win.h"
#include "platform/win32/controls/hints.h"
#include "platform/win32/menu_builder.h"
#include "platform/win32/text_convert.h"
#include "platform/win32/unique_handle.h"

#include <windowsx.h>

#include <span>

namespace flickmark {
namespace {

constexpr POINT kListExamplesMenuOffset{10, 10};

} // namespace

KeystrokeListFrame::KeystrokeListFrame(HWND parent, KeystrokeListEdit& model,
                                       KeystrokeDialog& keystrokeDialog, NestedLoops& nestedLoops)
    : model_(model), keystrokeDialog_(keystrokeDialog), nestedLoops_(nestedLoops) {
    create(IDD_KEYSTROKE_LIST_FRAME, parent);
}

void KeystrokeListFrame::onInit() {
    list_ = win32::ListView(item(IDC_KEYSTROKE_LIST));
    list_.setExtendedStyle(LVS_EX_FULLROWSELECT);
    list_.insertColumn(0, L"Keystroke", 0);
    win32::Hints::create(hwnd()).add(item(IDC_KEYSTROKE_LIST_EXAMPLES), kExamplesHint);
    refresh();
}

void KeystrokeListFrame::refresh() {
    refreshSelecting(-1);
}

void KeystrokeListFrame::refreshSelecting(int row) {
    list_.setRedraw(false);
    list_.removeAllRows();
    const auto& entries = model_.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        list_.insertRow(static_cast<int>(i), win32::widen(entries[i].caption).c_str());
    // Fitted once the list redraws again: only then does it show or hide its vertical scroll bar, which
    // takes its width from the client area.
    list_.setRedraw(true);
    fitColumn();
    ::InvalidateRect(list_.hwnd(), nullptr, TRUE);
    if (row >= 0 && row < list_.rowCount())
        list_.selectRow(row);
}

void KeystrokeListFrame::fitColumn() {
    RECT client{};
    ::GetClientRect(list_.hwnd(), &client);
    list_.setColumnWidth(0, LVSCW_AUTOSIZE);
    if (list_.columnWidth(0) < client.right)
        list_.setColumnWidth(0, client.right); // a row is selectable across the whole list
}

void KeystrokeListFrame::add() {
    if (const auto keystroke = keystrokeDialog_.edit(::GetAncestor(hwnd(), GA_ROOT))) {
        model_.add(*keystroke);
        refreshSelecting(static_cast<int>(model_.entries().size()) - 1);
    }
}

void KeystrokeListFrame::editSelected() {
    const int row = list_.selectedRow();
    if (row < 0)
        return;
    if (const auto keystroke = keystrokeDialog_.edit(::GetAncestor(hwnd(), GA_ROOT))) {
        if (model_.replace(static_cast<std::size_t>(row), *keystroke))
            refreshSelecting(row);
    }
}

void KeystrokeListFrame::deleteSelected() {
    const int row = list_.selectedRow();
    if (row >= 0 && model_.remove(static_cast<std::size_t>(row))) {
        const int count = static_cast<int>(model_.entries().size());
        refreshSelecting(row < count ? row : count - 1);
    }
}

void KeystrokeListFrame::showExamples() {
    const ExampleMenuItem* example = chooseExample(nestedLoops_, item(IDC_KEYSTROKE_LIST_EXAMPLES),
                                                   kListExamplesMenuOffset, keystrokeListExamples());
    if (example == nullptr)
        return;
    model_.choose(*example);
    refresh();
}

void KeystrokeListFrame::showEditMenu(POINT at) {
    const int row = list_.selectedRow();
    at = list_.contextMenuPoint(at);
    const bool enabled = row >= 0;
    win32::MenuBuilder menu;
    menu.item(IDM_KEYSTROKE_LIST_EDIT, "Edit", {enabled})
        .item(IDM_KEYSTROKE_LIST_DELETE, "Delete", {enabled});
    switch (menu.choose(nestedLoops_, hwnd(), at)) {
    case IDM_KEYSTROKE_LIST_EDIT:
        editSelected();
        break;
    case IDM_KEYSTROKE_LIST_DELETE:
        deleteSelected();
        break;
    default:
        break;
    }
}

std::optional<INT_PTR> KeystrokeListFrame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        onInit();
        return std::nullopt;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            return std::nullopt;
        if (LOWORD(wParam) == IDC_KEYSTROKE_LIST_ADD)
            add();
        else if (LOWORD(wParam) == IDC_KEYSTROKE_LIST_EXAMPLES)
            showExamples();
        else
            return std::nullopt;
        return TRUE;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wParam) != list_.hwnd())
            return std::nullopt;
        showEditMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom != list_.hwnd())
            return std::nullopt;
        if (header->code == NM_DBLCLK) {
            editSelected();
            return TRUE;
        }
        if (header->code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey == VK_DELETE) {
            deleteSelected();
            return TRUE;
        }
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace flickmark
