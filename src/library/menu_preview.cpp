#include "library/menu_preview.h"

namespace flickmark {

Point menuPreviewCorner(Rect item, PopupSize size, const Rect& workArea) {
    const int right = item.right + kMenuPreviewGap;
    const int left = item.left - kMenuPreviewGap - size.width;
    const bool roomOnTheRight = right + size.width <= workArea.right;
    return {roomOnTheRight || left < workArea.left ? right : left, item.top};
}

} // namespace flickmark
