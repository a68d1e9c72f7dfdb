// An owned image list (pictures of menus, trees and selectors). Move-only: the list is destroyed once.
// Controls that show it do not own it (a tree view or combo box never destroys the lists it is given), so
// the owner must outlive them.
#pragma once

#include "platform/win32/unique_handle.h"

#include <commctrl.h>
#include <windows.h>

namespace flickmark::win32 {

struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type invalid() noexcept { return nullptr; }
    static bool valid(Type h) noexcept { return h != nullptr; }
    static void close(Type h) noexcept { ::ImageList_Destroy(h); }
};

class ImageList {
public:
    ImageList() noexcept = default;
    // Null when the system refuses (out of resources).
    ImageList(int width, int height, int capacity) noexcept
        : list_(::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, capacity, 0)) {}

    HIMAGELIST get() const noexcept { return list_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(list_); }

    // The index of the new picture; -1 when it was refused. The icon is copied, the caller keeps it.
    int addIcon(HICON icon) noexcept { return list_ ? ::ImageList_AddIcon(list_.get(), icon) : -1; }
    int count() const noexcept { return list_ ? ::ImageList_GetImageCount(list_.get()) : 0; }

private:
    UniqueOwner<ImageListTraits> list_;
};

} // namespace flickmark::win32
