// Window control port: what the window commands do to another program's top-level window (its caption
// buttons' system commands, always on top, its place on the monitors) and what they need to know of it.
#pragma once

#include "base/geometry.h"
#include "platform/desktop.h"

#include <optional>
#include <vector>

namespace flickmark {

struct MonitorArea {
    Rect monitor;
    Rect workArea; // without the taskbar and docked bars
    int dpi = 96;

    friend bool operator==(const MonitorArea&, const MonitorArea&) = default;
};

// What a window's frame offers.
struct WindowFrame {
    bool maximizeBox = false;
    bool minimizeBox = false;
    bool resizable = false; // a sizing border: the window may take another size
    bool topmost = false;

    friend bool operator==(const WindowFrame&, const WindowFrame&) = default;
};

// Where a window is, in screen coordinates.
struct WindowPlace {
    ShowState state = ShowState::Normal;
    Rect rect;   // where it is now
    Rect normal; // where it goes when restored (the same as `rect` for a normal window)

    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The system commands of a window's caption buttons.
enum class SystemCommand { Maximize, Minimize, Restore, Close };

class WindowControl {
public:
    virtual ~WindowControl() = default;
    // Whether the window still exists.
    virtual bool exists(WindowId window) = 0;
    // The window at the root of the window's chain of parents and owners (itself for an unowned top-level
    // window); 0 for none.
    virtual WindowId rootOwner(WindowId window) = 0;
    // Empty when the window's styles cannot be read.
    virtual std::optional<WindowFrame> frame(WindowId window) = 0;
    // Posts the command as its caption button does; the program handles it in its own time. False when the
    // message could not be posted.
    virtual bool postSystemCommand(WindowId window, SystemCommand command) = 0;
    // Puts the window on top of all windows that are not (true), or among them again (false).
    virtual bool setTopmost(WindowId window, bool topmost) = 0;
    // Every monitor with its work area and DPI, in no particular order.
    virtual std::vector<MonitorArea> monitorAreas() = 0;
    // Empty when the placement cannot be read.
    virtual std::optional<WindowPlace> place(WindowId window) = 0;
    // Moves a normal window to `rect` (only its top-left corner when `sizeToo` is false), without
    // activating it. A program that answers the move to another monitor's DPI with a size of its own is
    // given `rect` once more.
    virtual bool moveWindow(WindowId window, const Rect& rect, bool sizeToo) = 0;
    // Gives a maximized or minimized window the place it is restored to; a maximized one is maximized again
    // on the monitor of that place.
    virtual bool setRestoredPlace(WindowId window, const Rect& normal, ShowState state) = 0;
};

} // namespace flickmark
