// A tree view control (SysTreeView32), not owned.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace flickmark::win32 {

class TreeView {
public:
    explicit TreeView(HWND control) noexcept : control_(control) {}
    HWND hwnd() const noexcept { return control_; }

    // The list stays the caller's: the control does not destroy its normal image list. Null for none.
    void setImageList(HIMAGELIST images) const noexcept {
        ::SendMessageW(control_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    }
    // Appends a top-level node showing picture `image` (selected or not); `data` comes back with the
    // node's notifications. Returns null on failure.
    HTREEITEM appendRoot(const std::wstring& text, int image, LPARAM data) const noexcept {
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(text.c_str());
        insert.item.iImage = image;
        insert.item.iSelectedImage = image;
        insert.item.lParam = data;
        return reinterpret_cast<HTREEITEM>(
            ::SendMessageW(control_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    // Selects the node (and sends TVN_SELCHANGING/TVN_SELCHANGED as a user's choice would).
    void select(HTREEITEM item) const noexcept {
        ::SendMessageW(control_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    }

private:
    HWND control_;
};

} // namespace flickmark::win32
