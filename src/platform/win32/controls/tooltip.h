// A tooltip control (tooltips_class32), not owned: tools are rectangles of a window, each with its text.
#pragma once

#include <windows.h>

#include <commctrl.h> // after windows.h

namespace flickmark::win32 {

class Tooltip {
public:
    explicit Tooltip(HWND control) noexcept : control_(control) {}
    HWND hwnd() const noexcept { return control_; }

    // A tool for the area `bounds` of `window` (client coordinates), known by `id`. The control copies
    // `text`.
    bool addTool(HWND window, UINT_PTR id, const RECT& bounds, const wchar_t* text) const noexcept {
        TTTOOLINFOW tool = info(window, id, TTF_SUBCLASS);
        tool.rect = bounds;
        return add(tool, text);
    }
    // A tool for the whole of `control`, a child of `window`; known by the control's handle.
    bool addControlTool(HWND window, HWND control, const wchar_t* text) const noexcept {
        TTTOOLINFOW tool = info(window, reinterpret_cast<UINT_PTR>(control), TTF_IDISHWND | TTF_SUBCLASS);
        return add(tool, text);
    }
    void moveTool(HWND window, UINT_PTR id, const RECT& bounds) const noexcept {
        TTTOOLINFOW tool = info(window, id, 0);
        tool.rect = bounds;
        ::SendMessageW(control_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    void setText(HWND window, UINT_PTR id, const wchar_t* text) const noexcept {
        TTTOOLINFOW tool = info(window, id, 0);
        tool.lpszText = const_cast<wchar_t*>(text);
        ::SendMessageW(control_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // Hides the tip that shows now, if any.
    void hide() const noexcept { ::SendMessageW(control_, TTM_POP, 0, 0); }

private:
    bool add(TTTOOLINFOW& tool, const wchar_t* text) const noexcept {
        tool.lpszText = const_cast<wchar_t*>(text);
        return ::SendMessageW(control_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    }
    static TTTOOLINFOW info(HWND window, UINT_PTR id, UINT flags) noexcept {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = flags;
        tool.hwnd = window;
        tool.uId = id;
        return tool;
    }

    HWND control_;
};

} // namespace flickmark::win32
