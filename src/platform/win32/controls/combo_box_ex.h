// A thin, non-owning wrapper of an extended combo box (ComboBoxEx32), whose items carry pictures from an
// image list; the dialog owns the control.
#pragma once

#include <windows.h>

#include <commctrl.h> // after windows.h

#include <string>

namespace flickmark::win32 {

class ComboBoxEx {
public:
    // No picture: the item's text keeps its indent, so the texts stay aligned. (With -1 the control draws
    // the list's first picture.)
    static constexpr int kNoImage = I_IMAGENONE;

    explicit ComboBoxEx(HWND control = nullptr) noexcept : hwnd_(control) {}
    HWND hwnd() const noexcept { return hwnd_; }
    // The combo box inside, which receives the mouse (for a tooltip).
    HWND comboControl() const noexcept {
        return reinterpret_cast<HWND>(::SendMessageW(hwnd_, CBEM_GETCOMBOCONTROL, 0, 0));
    }

    // Not owned: the list must outlive the control's use of it. Null shows no pictures.
    void setImageList(HIMAGELIST images) const noexcept {
        ::SendMessageW(hwnd_, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    }
    int count() const noexcept { return static_cast<int>(::SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }
    // Appends an item; returns its index, or -1 on failure.
    int addItem(const std::wstring& text, int image) const noexcept {
        COMBOBOXEXITEMW item = describe(-1, text, image);
        return static_cast<int>(::SendMessageW(hwnd_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void setItem(int index, const std::wstring& text, int image) const noexcept {
        COMBOBOXEXITEMW item = describe(index, text, image);
        ::SendMessageW(hwnd_, CBEM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    // -1 when nothing is selected.
    int selectedIndex() const noexcept { return static_cast<int>(::SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }
    void select(int index) const noexcept {
        ::SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    bool droppedDown() const noexcept { return ::SendMessageW(hwnd_, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }

private:
    static COMBOBOXEXITEMW describe(int index, const std::wstring& text, int image) noexcept {
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = index;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        item.iImage = image;
        item.iSelectedImage = image;
        return item;
    }

    HWND hwnd_;
};

} // namespace flickmark::win32
