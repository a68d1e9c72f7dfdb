// A thin, non-owning wrapper of a list view control (SysListView32); the dialog owns the control.
#pragma once

#include <windows.h>

#include <commctrl.h> // after windows.h

#include <vector>

namespace flickmark::win32 {

class ListView {
public:
    explicit ListView(HWND control = nullptr) noexcept : hwnd_(control) {}
    HWND hwnd() const noexcept { return hwnd_; }

    void setExtendedStyle(DWORD styles) const noexcept {
        ::SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, styles, styles);
    }
    // Returns the new column's index, or -1 on failure.
    int insertColumn(int index, const wchar_t* title, int width) const noexcept {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(title);
        column.cx = width;
        column.iSubItem = index;
        return static_cast<int>(::SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                                               reinterpret_cast<LPARAM>(&column)));
    }
    void setColumnWidth(int index, int width) const noexcept {
        ::SendMessageW(hwnd_, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(index), MAKELPARAM(width, 0));
    }
    int columnWidth(int index) const noexcept {
        return static_cast<int>(::SendMessageW(hwnd_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(index), 0));
    }
    // Rows that hold their own texts (a list without LVS_OWNERDATA).
    void removeAllRows() const noexcept { ::SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0); }
    // Returns the new row's index, or -1 on failure. The control copies `text`.
    int insertRow(int index, const wchar_t* text) const noexcept {
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = index;
        row.pszText = const_cast<wchar_t*>(text);
        return static_cast<int>(::SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)));
    }
    // The text of a row's cell (column 0 is the row's own); the control copies `text`.
    void setCellText(int row, int column, const wchar_t* text) const noexcept {
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = const_cast<wchar_t*>(text);
        ::SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
    // The tick of a row in a list with LVS_EX_CHECKBOXES.
    bool rowChecked(int row) const noexcept {
        const auto state =
            ::SendMessageW(hwnd_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
        return ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
    }
    void setRowChecked(int row, bool checked) const noexcept {
        LVITEMW state{};
        state.stateMask = LVIS_STATEIMAGEMASK;
        state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
        ::SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
    // Off while many rows change, so that the list draws once after.
    void setRedraw(bool redraw) const noexcept {
        ::SendMessageW(hwnd_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    }
    // Widens or narrows the last column to end at the right edge of the client area, never narrower than
    // `narrowest`: the header then shows no empty part past it. The client area loses the vertical scroll
    // bar's width while the bar shows, so call it again whenever the rows or the size change.
    void fillWithLastColumn(int narrowest) const noexcept {
        const auto header = reinterpret_cast<HWND>(::SendMessageW(hwnd_, LVM_GETHEADER, 0, 0));
        const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
        if (columns <= 0)
            return;
        int others = 0;
        for (int i = 0; i + 1 < columns; ++i)
            others += columnWidth(i);
        RECT client{};
        ::GetClientRect(hwnd_, &client);
        const int width = client.right - others > narrowest ? client.right - others : narrowest;
        if (width != columnWidth(columns - 1))
            setColumnWidth(columns - 1, width);
    }
    // A list with LVS_OWNERDATA asks its parent for the texts of these rows (LVN_GETDISPINFO) as it shows
    // them; the selection is cleared.
    void setVirtualRowCount(int count) const noexcept {
        ::SendMessageW(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
    }
    int rowCount() const noexcept { return static_cast<int>(::SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }
    // -1 when no row is selected.
    int selectedRow() const noexcept {
        return static_cast<int>(
            ::SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    // Selects and focuses a row and scrolls it into view; -1 clears the selection.
    // Every selected row, in order.
    std::vector<int> selectedRows() const {
        std::vector<int> rows;
        for (int row = -1;;) {
            row = static_cast<int>(
                ::SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
            if (row < 0)
                return rows;
            rows.push_back(row);
        }
    }
    // Selects `row` alone; -1 selects none.
    void selectRow(int row) const noexcept {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        if (row < 0)
            return;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        ::SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }
    // The row's bounds in the control's client coordinates; false when the row is not there.
    bool rowRect(int row, RECT& bounds) const noexcept {
        bounds = RECT{};
        bounds.left = LVIR_BOUNDS;
        return ::SendMessageW(hwnd_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                              reinterpret_cast<LPARAM>(&bounds)) != FALSE;
    }
    // Where a context menu opens: `at` for a mouse click; for the keyboard (-1, -1) below the selected row,
    // or at the list's corner when no row is selected. Screen coordinates.
    POINT contextMenuPoint(POINT at) const noexcept {
        if (at.x != -1 || at.y != -1)
            return at;
        RECT bounds{};
        const int row = selectedRow();
        if (row < 0 || !rowRect(row, bounds))
            bounds = RECT{};
        POINT below{bounds.left, bounds.bottom};
        ::ClientToScreen(hwnd_, &below);
        return below;
    }

private:
    HWND hwnd_;
};

} // namespace flickmark::win32
