#include "editors/gesture_editor_page_win.h"

#include "editors/arrow_glyph_win.h"
#include "editors/gesture_editor_ids.h"
#include "platform/win32/controls/hints.h"
#include "platform/win32/text_convert.h"

#include <array>
#include <utility>

namespace flickmark {
namespace {

constexpr int kDirectionCount = static_cast<int>(kGestureDirections.size());

int buttonId(Direction d) {
    return IDC_GESTURE_EDITOR_DIRECTION + static_cast<int>(toIndex(d));
}

// Clockwise from the positive x axis, y growing downwards, as screen angles go.
constexpr std::array<double, kDirectionCount> kArrowDegrees = {270, 90, 180, 0, 315, 225, 45, 135};

// The diagonal buttons name their direction when the pointer rests on them.
constexpr std::array<std::pair<Direction, const wchar_t*>, 4> kDiagonalHints = {{
    {Direction::NE, L"NorthEast"},
    {Direction::NW, L"NorthWest"},
    {Direction::SE, L"SouthEast"},
    {Direction::SW, L"SouthWest"},
}};

} // namespace

GestureEditorPage::GestureEditorPage(HWND parent, GestureEdit& model, Drawing drawing)
    : model_(model), drawing_(std::move(drawing)) {
    create(IDD_GESTURE_EDITOR, parent);
}

void GestureEditorPage::refresh() {
    ::SetDlgItemTextW(hwnd(), IDC_GESTURE_EDITOR_NAME, win32::widen(model_.displayName()).c_str());
    for (const Direction d : kGestureDirections) {
        const HWND button = item(buttonId(d));
        ::ShowWindow(button, model_.buttonVisible(d) ? SW_SHOWNA : SW_HIDE);
        ::EnableWindow(button, model_.buttonEnabled(d) ? TRUE : FALSE);
    }
    // A button that has just been disabled loses the focus; it goes to the next button that takes clicks.
    const HWND focus = ::GetFocus();
    if (focus && ::IsChild(hwnd(), focus) && !::IsWindowEnabled(focus))
        focusButtons();
}

void GestureEditorPage::focusButtons() {
    for (const Direction d : kGestureDirections) {
        if (model_.buttonVisible(d) && model_.buttonEnabled(d)) {
            ::SetFocus(item(buttonId(d)));
            return;
        }
    }
    ::SetFocus(item(IDC_GESTURE_EDITOR_CLEAR));
}

// A drawn gesture takes the place of the one composed so far; the buttons then continue it.
void GestureEditorPage::draw() {
    if (!drawing_)
        return;
    if (const std::optional<std::string> drawn = drawing_(::GetAncestor(hwnd(), GA_ROOT))) {
        model_.setGesture(*drawn);
        refresh();
    }
    ::SetFocus(item(IDC_GESTURE_EDITOR_DRAW));
}

// A push button's frame with an arrow drawn in the text colour, grey while the button is disabled: the
// arrows need no symbol font, and they scale with the button.
void GestureEditorPage::drawButton(const DRAWITEMSTRUCT& item) const {
    const Direction d = directionFromIndex(item.CtlID - IDC_GESTURE_EDITOR_DIRECTION);
    RECT frame = item.rcItem;
    UINT state = DFCS_BUTTONPUSH;
    if (item.itemState & ODS_SELECTED)
        state |= DFCS_PUSHED;
    if (item.itemState & ODS_DISABLED)
        state |= DFCS_INACTIVE;
    ::DrawFrameControl(item.hDC, &frame, DFC_BUTTON, state);

    RECT arrow = item.rcItem;
    if (state & DFCS_PUSHED)
        ::OffsetRect(&arrow, 1, 1);
    const int colour = (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT;
    drawArrowGlyph(item.hDC, arrow, kArrowDegrees[toIndex(d)], ::GetSysColor(colour));

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -3, -3);
        ::DrawFocusRect(item.hDC, &focus);
    }
}

std::optional<INT_PTR> GestureEditorPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const win32::Hints hints = win32::Hints::create(hwnd());
        for (const auto& [direction, hint] : kDiagonalHints)
            hints.add(item(buttonId(direction)), hint);
        refresh();
        return FALSE; // the wizard places the focus
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) != BN_CLICKED)
            return std::nullopt;
        if (id == IDC_GESTURE_EDITOR_DRAW) {
            draw();
            return TRUE;
        }
        if (id == IDC_GESTURE_EDITOR_CLEAR) {
            model_.clear();
            refresh();
            focusButtons();
            return TRUE;
        }
        if (id >= IDC_GESTURE_EDITOR_DIRECTION && id < IDC_GESTURE_EDITOR_DIRECTION + kDirectionCount) {
            if (model_.click(directionFromIndex(static_cast<std::size_t>(id - IDC_GESTURE_EDITOR_DIRECTION))))
                refresh();
            return TRUE;
        }
        return std::nullopt;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlID < IDC_GESTURE_EDITOR_DIRECTION ||
            item.CtlID >= IDC_GESTURE_EDITOR_DIRECTION + kDirectionCount)
            return std::nullopt;
        drawButton(item);
        return TRUE;
    }
    default:
        return std::nullopt;
    }
}

} // namespace flickmark
