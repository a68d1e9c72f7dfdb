// A track bar control (msctls_trackbar32), not owned.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace flickmark::win32 {

class TrackBar {
public:
    explicit TrackBar(HWND control) noexcept : control_(control) {}
    HWND hwnd() const noexcept { return control_; }

    // The position is clamped to the range by the control.
    void setRange(int low, int high) const noexcept {
        ::SendMessageW(control_, TBM_SETRANGEMIN, FALSE, low);
        ::SendMessageW(control_, TBM_SETRANGEMAX, TRUE, high);
    }
    int position() const noexcept { return static_cast<int>(::SendMessageW(control_, TBM_GETPOS, 0, 0)); }
    void setPosition(int position) const noexcept { ::SendMessageW(control_, TBM_SETPOS, TRUE, position); }
    // Needs TBS_AUTOTICKS: a tick mark every `frequency` positions from the low end.
    void setTickFrequency(int frequency) const noexcept {
        ::SendMessageW(control_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency), 0);
    }
    // What the arrow keys (line) and PageUp/PageDown or a click beside the thumb (page) move.
    void setSteps(int line, int page) const noexcept {
        ::SendMessageW(control_, TBM_SETLINESIZE, 0, line);
        ::SendMessageW(control_, TBM_SETPAGESIZE, 0, page);
    }
    // Needs TBS_TOOLTIPS: where the position tip shows while the thumb is dragged (TBTS_TOP, ...).
    void setTipSide(int side) const noexcept {
        ::SendMessageW(control_, TBM_SETTIPSIDE, static_cast<WPARAM>(side), 0);
    }

private:
    HWND control_;
};

} // namespace flickmark::win32
